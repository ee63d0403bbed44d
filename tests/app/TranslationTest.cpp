// Every text the converted forms show goes through the one path that translates, and is marked
// where it is declared under the context it is looked up in. A translator that answers every
// lookup with the source in angle quotes shows which texts took the path: on the cover page, the
// main menu, the information page and the six text pages every caption, menu item, status bar,
// label, memo line and canvas text must come back quoted, and every lookup must be one that
// lupdate, run over the sources, found marked.
#include "app/FormRegistry.h"
#include "app/Program.h"
#include "framework/Controls.h"
#include "framework/Forms.h"
#include "framework/Menus.h"
#include "framework/Texts.h"
#include "framework/Timers.h"
#include "tests/support/Harness.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>
#include <QXmlStreamReader>
#include <set>
#include <utility>

using namespace wb;

namespace {

// The forms whose texts are converted; the lesson forms follow with the lessons.
const char* const kConverted[] = {
    "FormDeckblatt",
    "FormMenue",
    "FormInfo",
    "FormAllZu",
    "FormEntZu",
    "FormAllEKD",
    "FormZeitAb",
    "FormALLZTAZTU",
    "FormWarme",
};

using Lookup = std::pair<QString, QString>; // context, source

// Answers every lookup with «source», and remembers what it was asked and what it answered.
class QuotingTranslator : public QTranslator {
public:
    mutable std::set<Lookup> asked;
    mutable std::set<QString> answers;

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        asked.insert({ QString::fromUtf8(context), QString::fromUtf8(source) });
        const QString answer = QStringLiteral("«") + QString::fromUtf8(source) + QStringLiteral("»");
        answers.insert(answer);
        // A text card shows its row without the emphasis marks, and each emphasised span alone.
        answers.insert(QString(answer).remove(QStringLiteral("<em>")).remove(QStringLiteral("</em>")));
        return answer;
    }

    // A text the translator gave: whole, in the blanks of a margin, or (an emphasised span) in
    // part.
    bool gave(const QString& text) const
    {
        if (answers.count(text) || answers.count(text.trimmed()))
            return true;
        for (const QString& a : answers)
            if (a.contains(text))
                return true;
        return false;
    }
};

// The marked texts lupdate found in the sources: (context, source) of every message of the .ts.
std::set<Lookup> markedTexts(const QString& tsFile)
{
    std::set<Lookup> out;
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            out.insert({ context, xml.readElementText() });
    }
    return out;
}

// What a form shows outside its canvas: caption, visible menu items, labels, panels, buttons,
// status bars and memo lines.
std::vector<std::pair<QString, QString>> shownTexts(TForm* form)
{
    std::vector<std::pair<QString, QString>> out; // where, text
    out.emplace_back(QStringLiteral("caption"), form->Caption());
    for (TMenuItem* item : form->menuItems())
        if (item->visibleChain())
            out.emplace_back(QStringLiteral("menu item ") + item->Name(), item->Caption());
    for (TComponent* c : form->components()) {
        if (auto* memo = dynamic_cast<TMemo*>(c)) {
            for (const QString& line : memo->Lines.list())
                out.emplace_back(memo->Name(), line);
        } else if (auto* ctl = dynamic_cast<TControl*>(c); ctl && ctl->hasText() && !dynamic_cast<TEdit*>(c)) {
            if (!ctl->text().isEmpty())
                out.emplace_back(ctl->Name(), ctl->text());
        }
    }
    return out;
}

} // namespace

TEST(Translation, EveryTextOfTheConvertedFormsTakesThePathAndIsMarkedWhereItIsDeclared)
{
    const std::set<Lookup> marked = markedTexts(QStringLiteral(WB_MARKED_TEXTS_TS));
    ASSERT_GT(marked.size(), 100u) << "lupdate found the marked texts in " << WB_MARKED_TEXTS_TS;

    wbtest::resetApplication();
    createAllForms();
    QuotingTranslator quoting;
    QCoreApplication::installTranslator(&quoting);

    std::vector<std::string> faults;
    TForm* current = nullptr;
    int seen = 0;
    fonts::setTextObserver([&](const fonts::DrawnText& t) {
        seen += current != nullptr;
        if (current && !quoting.gave(t.text))
            faults.push_back(current->Name().toStdString() + ": the canvas drew \"" + t.text.toStdString()
                + "\" past the translation");
    });
    auto look = [&](TForm* form) {
        current = form;
        form->Refresh();
        Application.flushPendingPaints();
        for (const auto& [where, text] : shownTexts(form)) {
            ++seen;
            if (!quoting.gave(text))
                faults.push_back(form->Name().toStdString() + " " + where.toStdString() + ": \"" + text.toStdString()
                    + "\" is shown past the translation");
        }
    };
    for (const char* name : kConverted) {
        TForm* form = Application.findForm(QString::fromUtf8(name));
        ASSERT_NE(form, nullptr) << name;
        form->Show();
        look(form);
        if (form == Application.MainForm()) {
            // The cover page's title as it changes half-way through the fade.
            Scheduler::instance().advance(64 * 50);
            look(form);
            for (TComponent* c : form->components())
                if (auto* timer = dynamic_cast<TTimer*>(c))
                    timer->SetEnabled(false);
        }
        form->Hide();
    }
    current = nullptr;
    fonts::setTextObserver({});
    QCoreApplication::removeTranslator(&quoting);

    std::string report;
    for (const std::string& f : faults)
        report += f + "\n";
    EXPECT_TRUE(faults.empty()) << report;
    EXPECT_GT(seen, 200) << "the captions, menu items and canvas texts of nine forms";

    std::string unmarked;
    for (const Lookup& l : quoting.asked)
        // Qt asks about its own texts too (contexts named after its classes).
        if (!l.first.startsWith(QLatin1Char('Q')) && !marked.count(l))
            unmarked += "  " + l.first.toStdString() + ": \"" + l.second.toStdString() + "\"\n";
    EXPECT_TRUE(unmarked.empty()) << "looked up but not marked where declared (lupdate did not find them):\n"
                                  << unmarked;
    wbtest::resetApplication();
}
