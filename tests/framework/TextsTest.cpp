// Texts as translatable data: a marked text shows its German source letter for letter until a
// translation is installed; captions, labels, panels, buttons, status bars, memo lines and the
// canvas translate at the one path; a change of language reaches what a form shows, and going
// back gives the German pixels again.
#include "framework/Texts.h"

#include "framework/Controls.h"
#include "framework/Figures.h"
#include "framework/FormAccess.h"
#include "framework/Forms.h"
#include "framework/Menus.h"
#include "framework/Snapshot.h"
#include "tests/support/Harness.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTextEdit>
#include <QTranslator>
#include <map>
#include <utility>

using namespace wb;

namespace {

// A translation given as a table of (context, source) → text; what it lacks stays German.
class TableTranslator : public QTranslator {
public:
    std::map<std::pair<QString, QString>, QString> table;

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        const auto it = table.find({ QString::fromUtf8(context), QString::fromUtf8(source) });
        return it == table.end() ? QString() : it->second;
    }
};

// Installed for the lifetime of a test, removed again whatever happens.
class Installed {
public:
    explicit Installed(QTranslator* t)
        : m_t(t)
    {
        QCoreApplication::installTranslator(t);
    }
    ~Installed() { QCoreApplication::removeTranslator(m_t); }

private:
    QTranslator* m_t;
};

// A form with one of each kind of text, all marked but the number on the canvas.
class FormProbe : public TForm {
public:
    FormProbe()
        : TForm(QStringLiteral("FormProbe"))
    {
        SetBorderStyle(bsToolWindow);
        SetCaption(WB_TR("FormProbe", "Härteprüfung"));
        SetBounds(0, 0, 400, 300);
        SetColor(clSilver);
        PaintBoxText.SetBounds(0, 0, 200, 60);
        LabelText.SetLeft(10);
        LabelText.SetTop(70);
        LabelText.SetColor(clYellow);
        LabelText.SetCaption(WB_TR("FormProbe", "Austenit"));
        PanelText.SetBounds(200, 0, 180, 40);
        PanelText.SetCaption(WB_TR("FormProbe", "Gefüge"));
        ButtonStart.SetBounds(200, 50, 100, 25);
        ButtonStart.SetCaption(WB_TR("FormProbe", "Abschrecken"));
        MemoText.SetBounds(10, 100, 300, 60);
        MemoText.Lines.setTable(kMemo);
        StatusBarHint.SetSimpleText(WB_TR("FormProbe", "ESC = Abbruch"));
    }

    TPaintBox PaintBoxText { this, QStringLiteral("PaintBoxText"), &FormProbe::PaintBoxTextPaint };
    TLabel LabelText { this, QStringLiteral("LabelText") };
    TPanel PanelText { this, QStringLiteral("PanelText") };
    TButton ButtonStart { this, QStringLiteral("ButtonStart") };
    TMemo MemoText { this, QStringLiteral("MemoText") };
    TStatusBar StatusBarHint { this, QStringLiteral("StatusBarHint") };
    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), WB_TR("FormProbe", "&Ende"), closesForm };

    static constexpr const char* kMemo[] = { WB_TR("FormProbe", "Die Probe wird erwärmt."), "700" };

private:
    void PaintBoxTextPaint()
    {
        TCanvas& c = PaintBoxText.Canvas();
        c.TextOut(5, 5, QStringLiteral(WB_TR("FormProbe", "Härte")));
        draw(c, TextAt { 5, 30, WB_TR("FormProbe", "Perlit") });
        c.TextOut(120, 5, QStringLiteral("850"));
    }
};

// English for the probe form's texts.
void addEnglish(TableTranslator& t)
{
    const char* const rows[][2] = {
        { "Härteprüfung", "Hardness test" },
        { "Austenit", "Austenite" },
        { "Gefüge", "Structure" },
        { "Abschrecken", "Quench" },
        { "Die Probe wird erwärmt.", "The sample is heated." },
        { "ESC = Abbruch", "ESC = Cancel" },
        { "&Ende", "&Close" },
        { "Härte", "Hardness" },
        { "Perlit", "Pearlite" },
        { "850", "never: an unmarked text is data" },
        { "700", "never: an unmarked line is data" },
    };
    for (const auto& row : rows)
        t.table[{ QStringLiteral("FormProbe"), QString::fromUtf8(row[0]) }] = QString::fromUtf8(row[1]);
}

struct Shown {
    QString caption, item, label, panel, button, status, memoLine, memoWidget, memoData;
    int labelWidth = 0;
    bool operator==(const Shown&) const = default;
};

Shown shown(FormProbe& f)
{
    Shown s;
    s.caption = f.Caption();
    s.item = f.Ende.Caption();
    s.label = f.LabelText.Caption();
    s.labelWidth = f.LabelText.Width();
    s.panel = f.PanelText.Caption();
    s.button = qobject_cast<QPushButton*>(f.ButtonStart.widget())->text();
    s.status = f.StatusBarHint.SimpleText();
    s.memoLine = f.MemoText.Lines[0];
    s.memoData = f.MemoText.Lines[1];
    s.memoWidget = qobject_cast<QTextEdit*>(f.MemoText.widget())->toPlainText();
    return s;
}

} // namespace

TEST(Texts, AMarkedTextIsItsGermanSourceLetterForLetterUntilATranslationIsInstalled)
{
    const char* marked = WB_TR("FormProbe", " Härte  ");
    EXPECT_TRUE(texts::isMarked(QString::fromUtf8(marked)));
    EXPECT_EQ(texts::shown(marked), QStringLiteral(" Härte  ")) << "blanks and all";
    EXPECT_EQ(texts::context(QString::fromUtf8(marked)), QStringLiteral("FormProbe"));
    EXPECT_EQ(texts::source(QString::fromUtf8(marked)), QStringLiteral(" Härte  "));
    EXPECT_EQ(texts::shown("Härte"), QStringLiteral("Härte"));
    EXPECT_EQ(texts::shown(QString()), QString());

    TableTranslator t;
    addEnglish(t);
    Installed on(&t);
    EXPECT_EQ(texts::shown(WB_TR("FormProbe", "Härte")), QStringLiteral("Hardness"));
    EXPECT_EQ(texts::shown(WB_TR("FormAndere", "Härte")), QStringLiteral("Härte")) << "another context has its own";
    EXPECT_EQ(texts::shown("850"), QStringLiteral("850")) << "an unmarked text is never looked up";
    EXPECT_EQ(texts::shown(WB_TR("FormProbe", "Zementit")), QStringLiteral("Zementit")) << "not translated: German";
}

TEST(Texts, EveryTextAFormShowsFollowsTheLanguageAndComesBackPixelForPixel)
{
    wbtest::resetApplication();
    FormProbe form;
    FormAccess::create(form);
    form.Show();
    form.Refresh();
    Application.flushPendingPaints();
    const Shown german = shown(form);
    const QImage germanPixels = renderClientArea(form);
    EXPECT_EQ(german.caption, QStringLiteral("Härteprüfung"));
    EXPECT_EQ(german.item, QStringLiteral("&Ende"));
    EXPECT_EQ(german.memoWidget, QStringLiteral("Die Probe wird erwärmt.\n700"));

    std::vector<QString> drawn;
    fonts::setTextObserver([&](const fonts::DrawnText& t) { drawn.push_back(t.text); });
    TableTranslator t;
    addEnglish(t);
    {
        Installed on(&t);
        // The change of language reaches the form at once; its canvas texts at its next paint.
        Application.flushPendingPaints();
        const Shown en = shown(form);
        EXPECT_EQ(en.caption, QStringLiteral("Hardness test"));
        EXPECT_EQ(en.item, QStringLiteral("&Close"));
        EXPECT_EQ(en.label, QStringLiteral("Austenite"));
        EXPECT_GT(en.labelWidth, german.labelWidth) << "the label sizes itself to its new caption";
        EXPECT_EQ(en.panel, QStringLiteral("Structure"));
        EXPECT_EQ(en.button, QStringLiteral("Quench"));
        EXPECT_EQ(en.status, QStringLiteral("ESC = Cancel"));
        EXPECT_EQ(en.memoLine, QStringLiteral("The sample is heated."));
        EXPECT_EQ(en.memoData, QStringLiteral("700"));
        EXPECT_EQ(en.memoWidget, QStringLiteral("The sample is heated.\n700"));
        EXPECT_NE(std::find(drawn.begin(), drawn.end(), QStringLiteral("Hardness")), drawn.end());
        EXPECT_NE(std::find(drawn.begin(), drawn.end(), QStringLiteral("Pearlite")), drawn.end());
        EXPECT_NE(std::find(drawn.begin(), drawn.end(), QStringLiteral("850")), drawn.end());
        EXPECT_EQ(std::find(drawn.begin(), drawn.end(), QStringLiteral("Härte")), drawn.end());
        EXPECT_NE(renderClientArea(form), germanPixels);
    }
    fonts::setTextObserver({});
    Application.flushPendingPaints();
    EXPECT_EQ(shown(form), german);
    EXPECT_EQ(renderClientArea(form), germanPixels) << "German again, pixel for pixel";
    form.Hide();
}
