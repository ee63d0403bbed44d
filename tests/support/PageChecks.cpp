// The checks every page form shares.
#include "tests/support/PageChecks.h"

#include "framework/FormAccess.h"
#include "framework/Forms.h"
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
    const int strip = page.strip.x() >= 0 ? s.pixel(page.strip) : -1;
    const int kept = s.pixel(page.kept.x, page.kept.y);
    s << "key Esc"
      << "key Esc";
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    const wb::TColor want = page.recoloured ? neu : page.color;
    EXPECT_EQ(s.json(state).value(QStringLiteral("color")).toString().toStdString(), hex(want)) << page.form;
    if (page.strip.x() >= 0) {
        EXPECT_EQ(hex(s.color(strip)), hex(want)) << page.form << ": the form colour around the page";
    }
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

void PrintTo(const PageForm& page, std::ostream* os)
{
    *os << page.form;
}

std::vector<PagePixel> cardPixels(const QRect& card, int lastLineY)
{
    constexpr wb::TColor pink = wb::RGB(0xFF, 0xBF, 0xBF);
    constexpr wb::TColor form = wb::RGB(0xD3, 0x05, 0x62);
    const int middle = card.left() + card.width() / 2;
    return {
        { card.left(), card.top(), wb::clBlack, "the card's frame, top left" },
        { card.right(), card.bottom(), wb::clBlack, "bottom right" },
        { middle, card.top(), wb::clBlack, "top edge" },
        { card.left() + 1, card.top() + 1, pink, "just inside the frame" },
        { card.right() - 1, card.bottom() - 1, pink, "just inside at the bottom right" },
        { card.left() + 5, card.top() + 200, pink, "left of every line" },
        { middle, card.top() + lastLineY + 30, pink, "below the last line" },
        { card.left() - 1, card.top() + 200, form, "the form colour left of the card" },
        { card.right() + 1, card.top() + 200, form, "and right of it" },
        { middle, card.bottom() + 1, form, "and below it" },
    };
}

Ink inkIn(const QImage& surface, const QRect& r)
{
    Ink ink;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const wb::TColor p = wb::fromPixel(surface.pixel(x, y));
            ink.blue += p == wb::clBlue;
            ink.black += p == wb::clBlack;
            ink.red += p == wb::clRed;
        }
    }
    return ink;
}

void expectEmphasis(wb::TImage& image, int lineX, int lineY, const QString& before, const QString& words)
{
    const QImage& s = wb::FormAccess::surface(*image.Owner());
    wb::TCanvas& c = image.Canvas(); // the card's font stays set after the paint
    const int x0 = lineX + c.TextWidth(before);
    const int x1 = x0 + c.TextWidth(words);
    const int top = image.Top() + lineY, bottom = top + c.TextHeight(words) - 1;
    const int left = image.Left();
    const Ink front = inkIn(s, QRect(QPoint(left + lineX, top), QPoint(left + x0 - 1, bottom)));
    const Ink inWords = inkIn(s, QRect(QPoint(left + x0, top), QPoint(left + x1 - 1, bottom)));
    const Ink after = inkIn(s, QRect(QPoint(left + x1, top), QPoint(left + x1 + 40, bottom)));
    EXPECT_GT(front.black, 20) << "\"" << before.toStdString() << "\" stays black";
    EXPECT_EQ(front.blue, 0);
    EXPECT_GT(inWords.blue, 60) << words.toStdString();
    EXPECT_EQ(inWords.black, 0) << "no black of the plain words shows beside the blue ones";
    EXPECT_GT(after.black, 20) << "the line goes on in black";
    EXPECT_EQ(after.blue, 0);
}

} // namespace wbtest
