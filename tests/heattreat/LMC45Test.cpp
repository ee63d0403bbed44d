// The C 45 micrographs: the three pictures switched by the menu, the caption strip naming the
// picture shown (also after a repaint), its scale bar, and the main menu reopening the form on
// the normalised picture in the form's own colour.
#include "framework/Fonts.h"
#include "framework/FormAccess.h"
#include "heattreat/UnitLMC45.h"
#include "resources/Pictures.h"
#include "tests/support/Program.h"

#include <QPoint>
#include <array>
#include <optional>
#include <string>

using namespace wb;

namespace {

constexpr TColor kForm = RGB(0xD3, 0x05, 0x62);

// The captions as the strip writes them at (10, 10), in the white sans face of cell 24.
struct Picture {
    const char* name;
    TMenuItem TFormLMC45::*item;
    TImage TFormLMC45::*image;
    const char* itemName;
    const char* imageName;
    const char* caption;
};
// clang-format off
const Picture kPictures[] = {
    { "normalised", &TFormLMC45::Normalglhen1, &TFormLMC45::ImageNormal, "Normalglhen1", "ImageNormal",
      "C 45       Normalgeglüht                 " },
    { "hardened",   &TFormLMC45::Hrten1,       &TFormLMC45::ImageHart,   "Hrten1",       "ImageHart",
      "C 45              Martensit                 " },
    { "tempered",   &TFormLMC45::Vergten1,     &TFormLMC45::ImageVerg,   "Vergten1",     "ImageVerg",
      "C 45             Vergütet                 " },
};
// clang-format on
constexpr QPoint kCaptionAt { 10, 10 };
constexpr QPoint kStripOnForm { 2, 480 };
constexpr QPoint kImageOnForm { 2, 1 };

const ResolvedFont& captionFont()
{
    return fonts::resolve(QStringLiteral("Ms Sans Serif"), 24, false);
}

QImage captionMask(const Picture& p)
{
    return fonts::glyphMask(captionFont(), QString::fromUtf8(p.caption));
}

bool inkAt(const QImage& mask, int x, int y)
{
    return x >= 0 && y >= 0 && x < mask.width() && y < mask.height() && mask.constScanLine(y)[x] != 0;
}

// A pixel of the strip (in its own coordinates) that only this caption has ink on: white when
// it is written, the form colour under either of the other two.
QPoint onlyIn(const Picture& p)
{
    const QImage own = captionMask(p);
    for (int y = 0; y < own.height(); ++y)
        for (int x = 0; x < own.width(); ++x) {
            if (!inkAt(own, x, y))
                continue;
            bool alone = true;
            for (const Picture& other : kPictures)
                if (&other != &p && inkAt(captionMask(other), x, y))
                    alone = false;
            if (alone)
                return kCaptionAt + QPoint(x, y);
        }
    ADD_FAILURE() << "no pixel of its own in the " << p.name << " caption";
    return {};
}

std::string hexOf(TColor c)
{
    return colorToHex(c).toStdString();
}

std::string photoAt(const Picture& p, QPoint onForm)
{
    const QImage photo = pictures::jpeg(QStringLiteral("FormLMC45.") + QString::fromLatin1(p.imageName));
    const QPoint at = onForm - kImageOnForm;
    return hexOf(fromPixel(photo.pixel(at.x(), at.y())));
}

class LMC45 : public wbtest::LessonTest<TFormLMC45> {
protected:
    // The caption cells of all three captions: white exactly where the expected caption has
    // ink, the form colour everywhere else (the blanks wipe out a longer caption).
    ::testing::AssertionResult captionIs(const Picture& p)
    {
        const QImage mask = captionMask(p);
        int width = 0;
        for (const Picture& any : kPictures)
            width = std::max(width, captionMask(any).width());
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < width; ++x) {
                const TColor want = inkAt(mask, x, y) ? clWhite : kForm;
                const TColor got = at(f.PaintBox1000, kCaptionAt.x() + x, kCaptionAt.y() + y);
                if (got != want)
                    return ::testing::AssertionFailure()
                        << "strip (" << kCaptionAt.x() + x << ", " << kCaptionAt.y() + y << ") is " << hexOf(got)
                        << ", the " << p.name << " caption has " << hexOf(want) << " there";
            }
        return ::testing::AssertionSuccess();
    }
    void repaint()
    {
        f.Refresh();
        Application.flushPendingPaints();
    }
    std::array<bool, 3> shown() const
    {
        return { f.ImageNormal.Visible(), f.ImageHart.Visible(), f.ImageVerg.Visible() };
    }
};

} // namespace

// Caption, size, colour and status bar are checked for every form by the shell tests.
TEST_F(LMC45, ComponentsAndMenuAsDescribed)
{
    for (const Picture& p : kPictures) {
        EXPECT_EQ((f.*p.image).BoundsRect(), QRect(2, 1, 790, 470)) << p.name;
        EXPECT_FALSE((f.*p.image).Visible()) << p.name << ": the main menu chooses the picture";
    }
    EXPECT_EQ(f.PaintBox1000.BoundsRect(), QRect(2, 480, 790, 40));
    EXPECT_EQ(f.StatusBarHint.Font.Height(), -16);
    EXPECT_TRUE(wbtest::menuIs(f,
        { { "Ende", "&Ende" }, { "Normalglhen1", "&Normalglühen" }, { "Hrten1", "&Härten" },
            { "Vergten1", "&Vergüten" }, { "ESCAPE", "ESCAPE", "Esc", false } }));
}

TEST_F(LMC45, CaptionStripScaleBarOfSixtyMicrometres)
{
    struct Pixel {
        int x, y;
        TColor color;
        const char* why;
    };
    // clang-format off
    const Pixel pixels[] = {
        { 499, 5, clWhite, "left end mark (500, 5)–(500, 35), pen width 3" },
        { 501, 34, clWhite, "left end mark, its lower end" },
        { 500, 36, clWhite, "the round end of the wide pen, half its width past (500, 35)" },
        { 500, 37, kForm, "below the round end" },
        { 503, 10, kForm, "right of the left mark" },
        { 585, 19, clWhite, "the bar (500, 20)–(670, 20)" },
        { 585, 21, clWhite, "the bar, three pixels high" },
        { 585, 23, kForm, "below the bar" },
        { 585, 17, kForm, "above the bar" },
        { 670, 30, clWhite, "right end mark (670, 5)–(670, 35)" },
        { 673, 30, kForm, "right of the right mark" },
    };
    // clang-format on
    for (const Pixel& p : pixels)
        EXPECT_EQ(at(f.PaintBox1000, p.x, p.y), p.color) << p.why;

    // " 60      m" at (690, 5), then the µ ("m" in Symbol) in its gap at (732, 5).
    struct Text {
        QPoint at;
        const char* face;
        const char* text;
    };
    for (const Text& t : { Text { { 690, 5 }, "Ms Sans Serif", " 60      " }, Text { { 732, 5 }, "Symbol", "m" } }) {
        const ResolvedFont& rf = fonts::resolve(QString::fromLatin1(t.face), 24, false);
        const QImage mask = fonts::glyphMask(rf, fonts::mapText(rf, QString::fromUtf8(t.text)));
        int ink = 0;
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x) {
                if (!inkAt(mask, x, y))
                    continue;
                ++ink;
                ASSERT_EQ(at(f.PaintBox1000, t.at.x() + x, t.at.y() + y), clWhite)
                    << t.face << " \"" << t.text << "\" at (" << x << ", " << y << ") of its cell";
            }
        EXPECT_GT(ink, 20) << t.text;
    }
}

TEST_F(LMC45, EachItemShowsItsPictureAndNamesItAlsoAfterARepaint)
{
    EXPECT_TRUE(captionIs(kPictures[0])) << "with no picture chosen yet the strip names the normalised one";
    // Every picture after every other, the same one twice included.
    for (const Picture& before : kPictures)
        for (const Picture& p : kPictures) {
            SCOPED_TRACE(std::string(p.name) + " after " + before.name);
            (f.*before.item).Click();
            (f.*p.item).Click();
            std::array<bool, 3> want {};
            want[&p - kPictures] = true;
            EXPECT_EQ(shown(), want);
            Application.flushPendingPaints();
            EXPECT_TRUE(captionIs(p)) << "written by the item";
            EXPECT_EQ(hexOf(at(f.*p.image, 398, 299)), photoAt(p, { 400, 300 }))
                << "the micrograph, unscaled from its top-left corner";
            repaint();
            EXPECT_TRUE(captionIs(p)) << "a repaint names the picture shown";
            EXPECT_EQ(shown(), want);
        }
}

TEST_F(LMC45, ShowNormalisedChoosesTheNormalisedPictureForTheNextOpening)
{
    f.Vergten1.Click();
    f.Hide();
    f.showNormalised();
    EXPECT_EQ(shown(), (std::array<bool, 3> { true, false, false }));
    f.Show();
    Application.flushPendingPaints();
    EXPECT_TRUE(captionIs(kPictures[0]));
}

// Through the driver from the main menu, after the page colour was changed: each item's picture
// and caption before and after a repaint, and the command reopening the form on the normalised
// picture whatever showed when it closed.
TEST(LMC45Driver, MenuSwitchesPicturesTheCaptionFollowsAndTheMainMenuReopensNormalised)
{
    std::array<QPoint, 3> own;
    for (size_t i = 0; i < 3; ++i)
        own[i] = kStripOnForm + onlyIn(kPictures[i]);
    const QPoint photo { 400, 300 };
    const QPoint stripBackground = kStripOnForm + QPoint(400, 30);

    wbtest::Script s { "skip-cover", "color #123456", "menu Farbewaehlen", "menu GefgeC451" };
    struct Moment {
        const char* what;
        std::optional<size_t> shown; // the picture and caption on screen
        std::array<int, 3> captions {};
        int photo = 0;
        int background = 0;
        int state = 0;
    };
    std::vector<Moment> moments;
    auto look = [&](const char* what, size_t picture) {
        Moment m { what, picture };
        for (size_t i = 0; i < 3; ++i)
            m.captions[i] = s.pixel(own[i]);
        m.photo = s.pixel(photo);
        m.background = s.pixel(stripBackground);
        m.state = s.state("FormLMC45");
        moments.push_back(m);
    };
    look("opened", 0);
    for (size_t i : { size_t(1), size_t(2), size_t(2), size_t(0), size_t(1) }) {
        s << std::string("menu ") + kPictures[i].itemName;
        look("item", i);
        s << "repaint";
        look("item and repaint", i);
    }
    s << "key Esc";
    s << "menu GefgeC451";
    look("reopened after the hardened picture", 0);
    s << "repaint";
    look("reopened and repainted", 0);
    s << "key Esc"
      << "key Esc";
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();

    for (const Moment& m : moments) {
        const Picture& p = kPictures[*m.shown];
        SCOPED_TRACE(std::string(m.what) + ": " + p.name);
        for (size_t i = 0; i < 3; ++i)
            EXPECT_EQ(s.answer(m.captions[i]), hexOf(i == *m.shown ? clWhite : kForm))
                << "a pixel only the " << kPictures[i].name << " caption has";
        EXPECT_EQ(s.answer(m.photo), photoAt(p, photo));
        EXPECT_EQ(s.answer(m.background), "#D30562") << "the form keeps its own colour";
        const wbtest::StateView v = s.stateView(m.state);
        for (const Picture& q : kPictures)
            EXPECT_EQ(v.visible(q.imageName), &q == &p) << q.imageName;
    }
}
