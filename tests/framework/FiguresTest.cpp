// The figures lessons keep in their tables: each draws what the canvas operation it stands for
// draws, with the settings in force.
#include "framework/Figures.h"

#include "framework/Controls.h"
#include "framework/FormAccess.h"
#include "framework/Forms.h"
#include "tests/support/Harness.h"

using namespace wb;

TEST(Figures, SegmentAndPolylineLeaveTheirEndPointAndThePenThere)
{
    wbtest::PixelCanvas p(8, 5);
    draw(p.canvas, Segment { { 0, 0 }, { 5, 0 } });
    const TPoint zigzag[] = { { 0, 2 }, { 3, 2 }, { 3, 4 }, { 7, 4 } };
    draw(p.canvas, Polyline { zigzag });
    EXPECT_TRUE(wbtest::matchesRows(p.image,
        {
            "#####...",
            "........",
            "####....",
            "...#....",
            "...####.",
        }));
    EXPECT_EQ(p.canvas.PenPos(), Point(7, 4));
}

TEST(Figures, BoxIsARectangleWithPenAndBrush)
{
    wbtest::PixelCanvas p(6, 5);
    p.canvas.Brush.SetColor(clRed);
    const Box boxes[] = { { 0, 0, 4, 4 }, { 4, 4, 6, 5 } };
    drawAll(p.canvas, boxes);
    EXPECT_TRUE(wbtest::matchesRows(p.image,
        {
            "####..",
            "#rr#..",
            "#rr#..",
            "####..",
            "....##",
        },
        { { 'r', clRed } }));
}

TEST(Figures, TextsWriteWhereTextOutWritesAndAnEmptySlotNothing)
{
    wbtest::PixelCanvas byFigure(60, 20);
    wbtest::PixelCanvas byCanvas(60, 20);
    byFigure.canvas.Brush.SetStyle(bsClear);
    byCanvas.canvas.Brush.SetStyle(bsClear);
    draw(byFigure.canvas, ColoredText { 2, 3, "Fe3C", clBlue });
    draw(byFigure.canvas, TextAt { 30, 3, nullptr });
    byCanvas.canvas.Font.SetColor(clBlue);
    byCanvas.canvas.TextOut(2, 3, QStringLiteral("Fe3C"));
    EXPECT_EQ(byFigure.image, byCanvas.image);
    EXPECT_EQ(byFigure.canvas.Font.Color(), clBlue) << "the colour stays set for what follows";
    EXPECT_EQ(byFigure.canvas.PenPos(), byCanvas.canvas.PenPos()) << "the empty slot moved nothing";
    EXPECT_NE(byFigure.image, wbtest::PixelCanvas(60, 20).image) << "the text has ink";
}

// The padded labels of the lessons' tables, in the faces and sizes they are drawn with: the word
// in a box of blanks gives the pixels the word with the blanks in it gave, with a solid brush (the
// box filled like the cell) and a clear one, and leaves the position at the same place. (The bold
// faces advance by fractions of a pixel: a box of the blanks' width beside the word drawn alone
// is a pixel off for "A(c1b)" and "AUSTENIT".)
TEST(Figures, PaddedBoxesGiveThePixelsOfBlankPaddedText)
{
    struct Case {
        const char* face;
        int height;
        bool bold;
        const char* word;
        Padding pad;
    };
    // clang-format off
    const Case cases[] = {
        { "MS Sans Serif", -11, false, "Austenit", kBox },
        { "MS Sans Serif", -10, false, "m(MK)", kBox },
        { "MS Sans Serif", -11, false, "Perlit", { 2, 1 } },
        { "MS Sans Serif", -11, false, "Ferrit", { 3, 4 } },
        { "MS Sans Serif", -11, false, "Resteisenkarbid", { 1, 11 } },
        { "MS Sans Serif", 12, true, "A(c1b)", kBox },
        { "MS Sans Serif", -13, false, "Stahl mit 0.7% C", kBox },
        { "MS Sans Serif", 16, false, "Zwischenstufe", kBox },
        { "MS Sans Serif", -16, true, "AUSTENIT", kBox },
        { "Times New Roman", -12, false, "Beta-MK", kBox },
        { "Times New Roman", -16, false, "Umwandlung", kBox },
        { "Times New Roman", 20, true, "Martensit", { 0, 2 } },
    };
    // clang-format on
    for (const Case& c : cases) {
        for (const bool solid : { true, false }) {
            SCOPED_TRACE(std::string(c.face) + " " + std::to_string(c.height) + " \"" + c.word + "\""
                + (solid ? " solid" : " clear"));
            const QString padded = QString(c.pad.left, QLatin1Char(' ')) + QString::fromUtf8(c.word)
                + QString(c.pad.right, QLatin1Char(' '));
            wbtest::PixelCanvas blanks(260, 30, clSilver);
            wbtest::PixelCanvas box(260, 30, clSilver);
            for (TCanvas* canvas : { &blanks.canvas, &box.canvas }) {
                canvas->Font.SetName(QString::fromUtf8(c.face));
                canvas->Font.SetHeight(c.height);
                canvas->Font.SetBold(c.bold);
                canvas->Font.SetColor(clBlue);
                canvas->Brush.SetColor(clYellow);
                if (!solid)
                    canvas->Brush.SetStyle(bsClear);
            }
            blanks.canvas.TextOut(7, 4, padded);
            draw(box.canvas, TextAt { 7, 4, c.word, c.pad });
            EXPECT_EQ(box.image, blanks.image);
            EXPECT_EQ(box.canvas.PenPos(), blanks.canvas.PenPos());
            EXPECT_EQ(paddedTextWidth(fonts::resolve(box.canvas.Font), QString::fromUtf8(c.word), c.pad),
                blanks.canvas.TextWidth(padded));
        }
    }
}

// A label with a margin is the label whose caption had the blanks: as wide, and the same pixels.
TEST(Figures, ALabelWithAMarginShowsWhatItsBlankPaddedCaptionShowed)
{
    wbtest::resetApplication();
    TForm form(QStringLiteral("FormLabels"));
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 200, 60);
    form.SetColor(clSilver);
    TLabel blanks(&form, QStringLiteral("LabelBlanks"));
    TLabel margin(&form, QStringLiteral("LabelMargin"));
    for (TLabel* label : { &blanks, &margin }) {
        label->SetColor(clYellow);
        label->Font.SetHeight(-11);
        label->SetLeft(10);
    }
    blanks.SetTop(5);
    margin.SetTop(30);
    blanks.SetCaption(QStringLiteral(" Austenit "));
    margin.SetCaption(QStringLiteral("Austenit"));
    margin.SetMargin(kBox);
    EXPECT_EQ(margin.Width(), blanks.Width());
    EXPECT_EQ(margin.Caption(), QStringLiteral("Austenit"));
    form.Show();
    form.Refresh();
    const QImage& s = FormAccess::surface(form);
    int ink = 0;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 200; ++x) {
            EXPECT_EQ(s.pixel(x, y + 5), s.pixel(x, y + 30)) << x << ", " << y;
            ink += fromPixel(s.pixel(x, y + 5)) == clBlack;
        }
    EXPECT_GT(ink, 20) << "the caption is drawn";
    form.Hide();
}
