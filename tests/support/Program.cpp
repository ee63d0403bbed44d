#include "tests/support/Program.h"

#include "app/Program.h"
#include "framework/FormAccess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <sstream>

namespace wbtest {

ProgramRun runProgram(
    const std::string& script, bool keepGoing, const std::function<void(wb::ScriptDriver&)>& setupDriver)
{
    ProgramRun r;
    std::string out;
    r.code = runScript(script, wb::createAllForms, &out, &r.err, keepGoing, setupDriver);
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
        r.lines.push_back(line);
    return r;
}

QJsonObject json(const std::string& line)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
}

wb::TColor color(const std::string& line)
{
    wb::TColor c = -1;
    wb::parseColor(QString::fromStdString(line), &c);
    return c;
}

// --- StateView --------------------------------------------------------------------------------

StateView::StateView(const QJsonObject& state)
    : m_state(state)
{
}

StateView::StateView(const std::string& line)
    : m_state(json(line))
{
}

bool StateView::enabled() const
{
    return m_state.value(QStringLiteral("enabled")).toBool();
}

bool StateView::visible() const
{
    return m_state.value(QStringLiteral("visible")).toBool();
}

QJsonObject StateView::find(const char* list, const char* name) const
{
    for (const QJsonValue& v : m_state.value(QLatin1String(list)).toArray())
        if (v.toObject().value(QStringLiteral("name")).toString() == QLatin1String(name))
            return v.toObject();
    ADD_FAILURE() << "no " << name << " in " << list;
    return {};
}

QJsonObject StateView::component(const char* name) const
{
    return find("components", name);
}

QJsonObject StateView::item(const char* name) const
{
    return find("items", name);
}

QJsonObject StateView::timer(const char* name) const
{
    return find("timers", name);
}

bool StateView::visible(const char* name) const
{
    return component(name).value(QStringLiteral("visible")).toBool();
}

std::string StateView::text(const char* name) const
{
    return component(name).value(QStringLiteral("text")).toString().toStdString();
}

bool StateView::itemEnabled(const char* name) const
{
    return item(name).value(QStringLiteral("enabled")).toBool();
}

bool StateView::timerEnabled(const char* name) const
{
    return timer(name).value(QStringLiteral("enabled")).toBool();
}

std::vector<std::string> StateView::memoLines(const char* name) const
{
    std::vector<std::string> out;
    for (const QJsonValue& v : component(name).value(QStringLiteral("lines")).toArray())
        out.push_back(v.toString().toStdString());
    return out;
}

std::map<std::string, bool> StateView::enabledByName(const char* list) const
{
    std::map<std::string, bool> out;
    for (const QJsonValue& v : m_state.value(QLatin1String(list)).toArray()) {
        const QJsonObject o = v.toObject();
        out[o.value(QStringLiteral("name")).toString().toStdString()] = o.value(QStringLiteral("enabled")).toBool();
    }
    return out;
}

std::map<std::string, bool> StateView::itemsEnabled() const
{
    return enabledByName("items");
}

std::map<std::string, bool> StateView::timersEnabled() const
{
    return enabledByName("timers");
}

// --- Script -----------------------------------------------------------------------------------

Script::Script(std::initializer_list<std::string> opening)
{
    for (const std::string& line : opening)
        *this << line;
}

Script& Script::operator<<(const std::string& line)
{
    m_text += line + "\n";
    ++m_lineCount;
    return *this;
}

int Script::query(const std::string& line)
{
    *this << line;
    return m_queries++;
}

int Script::pixel(int x, int y)
{
    return query("pixel " + std::to_string(x) + " " + std::to_string(y));
}

int Script::state(const std::string& form)
{
    return query("state " + form);
}

int Script::forms()
{
    return query("forms");
}

int Script::message()
{
    return query("message");
}

void Script::run(bool keepGoing)
{
    m_run = runProgram(m_text, keepGoing);
    EXPECT_EQ(int(m_run.lines.size()), m_queries) << "not every query answered: " << m_run.err;
    // Later lookups of missing answers would throw; give them empty lines instead.
    m_run.lines.resize(std::max<size_t>(m_run.lines.size(), size_t(m_queries)));
}

// --- One form ---------------------------------------------------------------------------------

void stopTimers(wb::TForm& form)
{
    for (wb::TComponent* c : form.components())
        if (auto* timer = dynamic_cast<wb::TTimer*>(c))
            timer->SetEnabled(false);
}

wb::TColor pixelIn(wb::TForm& form, const wb::TControl& control, int x, int y)
{
    return wb::fromPixel(wb::FormAccess::surface(form).pixel(control.Left() + x, control.Top() + y));
}

::testing::AssertionResult menuIs(const wb::TForm& form, const std::vector<ItemExpectation>& items)
{
    const std::vector<wb::TMenuItem*> got = form.menuItems();
    for (size_t i = 0; i < items.size() || i < got.size(); ++i) {
        if (i >= got.size())
            return ::testing::AssertionFailure() << "item " << i << " missing: " << items[i].name;
        if (i >= items.size())
            return ::testing::AssertionFailure() << "unexpected item " << i << ": " << got[i]->Name().toStdString();
        const ItemExpectation& want = items[i];
        const wb::TMenuItem& item = *got[i];
        auto differs = [&](const char* what, const std::string& g, const std::string& w) {
            return ::testing::AssertionFailure()
                << "item " << i << " (" << want.name << ") " << what << " is \"" << g << "\", expected \"" << w << "\"";
        };
        if (item.Name().toStdString() != want.name)
            return differs("name", item.Name().toStdString(), want.name);
        if (item.Caption().toStdString() != want.caption)
            return differs("caption", item.Caption().toStdString(), want.caption);
        if (item.shortCutText().toStdString() != want.shortCut)
            return differs("shortcut", item.shortCutText().toStdString(), want.shortCut);
        if (item.Visible() != want.visible)
            return differs("visible", item.Visible() ? "yes" : "no", want.visible ? "yes" : "no");
        if (item.Enabled() != want.enabled)
            return differs("enabled", item.Enabled() ? "yes" : "no", want.enabled ? "yes" : "no");
    }
    return ::testing::AssertionSuccess();
}

} // namespace wbtest
