// The checks every page form shares.
#include "tests/support/PageChecks.h"

#include "tests/support/Program.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace wbtest {

namespace {

std::string hex(wb::TColor c)
{
    return wb::colorToHex(c).toStdString();
}

std::vector<std::string> stack(const QJsonObject& forms)
{
    std::vector<std::string> out;
    for (const QJsonValue& v : forms.value(QStringLiteral("stack")).toArray())
        out.push_back(v.toString().toStdString());
    return out;
}

} // namespace

void expectCentredOn(const PageForm& page, int screenWidth, int screenHeight)
{
    Script s { "screen " + std::to_string(screenWidth) + " " + std::to_string(screenHeight), "skip-cover",
        std::string("menu ") + page.item };
    const int state = s.state(page.form);
    s << "key Esc"
      << "key Esc";
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    // Integer division truncating toward zero: 112, 84 on 1024 x 768; 0, 0 on 800 x 600.
    const QJsonArray want { (screenWidth - 800) / 2, (screenHeight - 600) / 2, 800, 600 };
    EXPECT_EQ(s.json(state).value(QStringLiteral("bounds")).toArray(), want)
        << page.form << " on " << screenWidth << " x " << screenHeight;
}

void expectPixels(const PageForm& page)
{
    Script s { "screen 1024 768", "skip-cover", std::string("menu ") + page.item };
    std::vector<int> queries;
    for (const PagePixel& p : page.pixels)
        queries.push_back(s.pixel(p.x, p.y));
    s << "key Esc"
      << "key Esc";
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    for (size_t i = 0; i < page.pixels.size(); ++i) {
        const PagePixel& p = page.pixels[i];
        EXPECT_EQ(hex(s.color(queries[i])), hex(p.color))
            << page.form << " at (" << p.x << ", " << p.y << "): " << p.what;
    }
}

void expectPageColour(const PageForm& page)
{
    constexpr wb::TColor neu = wb::RGB(0x20, 0x40, 0x80);
    Script s { "screen 1024 768", "skip-cover", "color #204080", "menu Farbewaehlen",
        std::string("menu ") + page.item };
    const int state = s.state(page.form);
    const int strip = s.pixel(page.strip);
    const int kept = s.pixel(page.kept.x, page.kept.y);
    s << "key Esc"
      << "key Esc";
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    const wb::TColor want = page.recoloured ? neu : page.color;
    EXPECT_EQ(s.json(state).value(QStringLiteral("color")).toString().toStdString(), hex(want)) << page.form;
    EXPECT_EQ(hex(s.color(strip)), hex(want)) << page.form << ": the form colour around the page";
    EXPECT_EQ(hex(s.color(kept)), hex(page.kept.color)) << page.form << ": " << page.kept.what;
}

void expectEscAndEndeReturnToTheMenu(const PageForm& page)
{
    Script s { "screen 1024 768", "skip-cover", std::string("menu ") + page.item };
    const int open = s.forms();
    s << "key Esc";
    const int afterEsc = s.forms();
    s << std::string("menu ") + page.item << "menu Ende";
    const int afterEnde = s.forms();
    s << "key Esc";
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    EXPECT_EQ(stack(s.json(open)), (std::vector<std::string> { "FormMenue", page.form }));
    EXPECT_EQ(stack(s.json(afterEsc)), std::vector<std::string> { "FormMenue" }) << page.form << ": Esc";
    EXPECT_EQ(stack(s.json(afterEnde)), std::vector<std::string> { "FormMenue" }) << page.form << ": Ende";
}

std::string pageName(const PageForm& page)
{
    return page.form;
}

} // namespace wbtest
