#include "Harness.h"

#include "framework/Forms.h"
#include "framework/Menus.h"
#include "framework/Timers.h"
#include "tools/driver/ScriptDriver.h"

#include <sstream>

namespace wbtest {

PixelCanvas::PixelCanvas(int width, int height, wb::TColor background)
    : image(width, height, QImage::Format_RGB32)
{
    image.fill(wb::toPixel(background));
}

wb::TColor PixelCanvas::at(int x, int y) const
{
    return wb::fromPixel(image.pixel(x, y));
}

::testing::AssertionResult matchesRows(
    const QImage& image, const std::vector<std::string>& rows, const std::map<char, wb::TColor>& legend, QPoint offset)
{
    std::map<char, wb::TColor> names { { '.', wb::clWhite }, { '#', wb::clBlack } };
    for (const auto& [k, v] : legend)
        names[k] = v;
    for (size_t y = 0; y < rows.size(); ++y) {
        for (size_t x = 0; x < rows[y].size(); ++x) {
            const char ch = rows[y][x];
            if (ch == '?')
                continue; // not checked
            const auto it = names.find(ch);
            if (it == names.end())
                return ::testing::AssertionFailure() << "no colour for '" << ch << "' in the legend";
            const int px = int(x) + offset.x(), py = int(y) + offset.y();
            const wb::TColor got = wb::fromPixel(image.pixel(px, py));
            if (got != it->second)
                return ::testing::AssertionFailure()
                    << "pixel (" << px << ", " << py << ") is " << wb::colorToHex(got).toStdString() << ", expected '"
                    << ch << "' " << wb::colorToHex(it->second).toStdString();
        }
    }
    return ::testing::AssertionSuccess();
}

bool ScriptedEvents::pumpOne()
{
    if (actions.empty())
        return false;
    auto action = std::move(actions.front());
    actions.pop_front();
    action();
    return true;
}

std::optional<wb::TColor> ScriptedEvents::colorDialog(wb::TColor)
{
    if (colors.empty())
        return std::nullopt;
    auto c = colors.front();
    colors.pop_front();
    return c;
}

ScriptedEvents& events()
{
    static ScriptedEvents e;
    return e;
}

int runScript(const std::string& script, const std::function<void()>& createForms, std::string* out, std::string* err,
    bool keepGoing, const std::function<void(wb::ScriptDriver&)>& setupDriver)
{
    resetApplication();
    std::istringstream in(script);
    std::ostringstream o, e;
    wb::ScriptDriver driver(in, o, e, keepGoing);
    wb::Application.setHeadless(&driver, &driver);
    if (setupDriver)
        setupDriver(driver);
    const int code = driver.run([&] {
        wb::Application.Initialize();
        createForms();
        return wb::Application.Run();
    });
    // The forms (and with them their timers, perhaps still running when the script ended) go
    // first; then the test's own event source takes over the virtual clock again.
    resetApplication();
    wb::Application.setHeadless(&events(), &events());
    if (out)
        *out = o.str();
    if (err)
        *err = e.str();
    return code;
}

void resetApplication()
{
    wb::Application.reset();
    events().actions.clear();
    events().colors.clear();
    events().messages.clear();
    wb::Screen.setSize(1024, 768);
    wb::setDefaultPixelRatio(1.0);
}

bool closesItsForm(const wb::TMenuItem& item)
{
    return item.closesForm() || item.ShortCut() == wb::VK_ESCAPE
        || item.Name().compare(QLatin1String("Ende"), Qt::CaseInsensitive) == 0
        || item.Name() == QLatin1String("ende1");
}

} // namespace wbtest
