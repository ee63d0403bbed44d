// The type 1 lesson in the whole program, through the headless driver: the moments of a run
// where a fault would show, checked by pixels at exact diagram coordinates, the edit boxes,
// the timer and which form is on top.
#include "app/Program.h"
#include "tests/support/Harness.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <sstream>

namespace {

// A moment: driver commands after the lesson was opened from the main menu, with checks in
// between. The checks are turned into driver queries:
//   expect-pixel X Y #RRGGBB   a pixel in the diagram boxes' coordinates (box at 265, 5)
//   expect-edits MK SCH        the texts of EditMK and EditSch, "-" for an empty one
//   expect-timer on|off        TimerHaupt
//   expect-top FORM            the form on top
struct Moment {
    const char* name;
    const char* script;
};

// Colours used below, all of them what the static picture or a drawing leaves at that place:
// the colour band at row y is (255, 325 - y, 0) between 70 and 325; a NOT-XOR pen leaves
// NOT(pen XOR band) there, so a red auxiliary line shows as (255, 255 - G, 255) and a blue tie
// line as (0, 255 - G, 0).
// clang-format off
const Moment kMoments[] = {
    { "opening shows the static picture and waits",
      "expect-top FormZuTyp1\n"
      "expect-timer off\n"
      "expect-edits - -\n"
      "expect-pixel 10 300 #A6A6FF\n"   // around the diagram field
      "expect-pixel 250 45 #FFFF00\n"   // yellow band, rows 20 ... 70
      "expect-pixel 250 200 #FF7D00\n"  // green 325 - 200 = 125
      "expect-pixel 250 350 #CD0000\n"  // red 905 - 2 * 350 = 205
      "expect-pixel 250 166 #C0C0C0\n"  // solidus at x = 250: [250 - 410^2 * 0.0005] = [165.95]
      "expect-pixel 250 111 #C0C0C0\n"  // liquidus: [411^2 * 0.0005 + 27] = [111.46]
      "expect-pixel 0 445 #FFFFFF\n"    // the lever strip's white outline
      "expect-pixel 450 485 #8000FF\n"  // and its colour
    },
    { "keyframe 29 is the third tick",
      "key Space\n"
      "advance 200\n"
      "expect-pixel 343 300 #FF1900\n"  // MarkeY 26: still the band (green 25)
      "expect-edits - -\n"
      "advance 100\n"
      "expect-pixel 343 300 #0000FF\n"  // MarkeY 29: the picture's frame, blue 3-pixel outline
      "expect-pixel 350 250 #FFFF00\n"  // filled yellow
      "expect-edits 0 100\n"
    },
    { "keyframe 92 is the 24th tick",
      "key Space\n"
      "advance 2300\n"
      "expect-pixel 150 92 #FFE900\n"   // MarkeY 89: band row 92 (green 233)
      "expect-pixel 60 92 #FFE900\n"
      "advance 100\n"
      "expect-pixel 150 92 #0000FF\n"   // the first tie line, for good on the main layer
      "expect-pixel 60 92 #FF16FF\n"    // red auxiliary horizontal from 100 to 20, NOT-XOR
      "expect-edits 0 100\n"
    },
    { "at T = 104 the lever rule truncates and the next step replaces the tie line",
      "key Space\n"
      "advance 2800\n"
      "expect-edits 29 71\n"            // 3200 div 108: 29.6 truncated; rounding would give 30
      "expect-pixel 160 104 #002200\n"  // blue tie line over green 221
      "expect-pixel 122 300 #FFE6FF\n"  // red vertical at xh = 122 over green 25
      "advance 100\n"
      "expect-edits 36 64\n"
      "expect-pixel 160 104 #FFDD00\n"  // the old tie line is gone
      "expect-pixel 160 107 #002500\n"  // the new one at 107 over green 218
      "expect-pixel 122 300 #FF1900\n"  // the old vertical is gone
      "expect-pixel 127 300 #FFE6FF\n"  // the new one at 127
    },
    { "where xh differs from KonodeLinks the erase takes xh",
      "key Space\n"
      "advance 3000\n"                  // T = 110: KonodeLinks 133, xh 132
      "expect-pixel 131 300 #FFE6FF\n"  // the vertical covers xh - 1 ... xh + 1
      "advance 100\n"                   // T = 113
      "expect-pixel 131 300 #FF1900\n"  // erased at xh ...
      "expect-pixel 134 300 #FF1900\n"  // ... so nothing drawn at KonodeLinks + 1
      "expect-pixel 137 300 #FFE6FF\n"  // the new vertical at xh = 138
    },
    { "the run ends at the 81st tick with the final arrowhead",
      "key Space\n"
      "advance 8000\n"
      "expect-timer on\n"               // MarkeY 365
      "expect-pixel 194 214 #FF6F00\n"  // band (green 111) left of the cooling line
      "advance 100\n"
      "expect-timer off\n"              // MarkeY 371
      "expect-pixel 194 214 #0000FF\n"  // the arrowhead's blue outline around (195, 214)
      "expect-edits 100 0\n"
      "advance 1000\n"
      "expect-timer off\n"
    },
    { "a key pauses and resumes without repainting",
      "key Space\n"
      "advance 2800\n"
      "key Space\n"
      "advance 1000\n"
      "expect-timer off\n"
      "expect-edits 29 71\n"
      "expect-pixel 160 104 #002200\n"  // the tie line stays while paused
      "key Space\n"
      "advance 100\n"
      "expect-edits 36 64\n"
      "expect-pixel 160 104 #FFDD00\n"  // erased as usual: nothing repainted in between
      "expect-pixel 160 107 #002500\n"
    },
    { "Start/Stop during the run only pauses",
      "key Space\n"
      "advance 2800\n"
      "menu StartStop\n"
      "expect-timer off\n"
      "expect-pixel 160 104 #002200\n"
      "menu StartStop\n"
      "advance 100\n"
      "expect-edits 36 64\n"
    },
    { "a repaint during the run makes the next erase visible",
      "key Space\n"
      "advance 2800\n"
      "repaint\n"
      "expect-pixel 160 104 #FFDD00\n"  // only the static picture is left
      "expect-pixel 150 92 #FFE900\n"   // the first tie line is gone too
      "expect-timer on\n"
      "advance 100\n"
      "expect-pixel 160 104 #002200\n"  // the erasing line lands on the clean band
      "expect-pixel 160 107 #002500\n"
    },
    { "Start/Stop after the end repaints and replays; the edits wait to be rewritten",
      "key Space\n"
      "advance 8100\n"
      "expect-pixel 150 92 #0000FF\n"
      "menu StartStop\n"
      "expect-timer on\n"
      "expect-pixel 150 92 #FFE900\n"   // repainted
      "expect-pixel 194 214 #FF6F00\n"  // the final arrowhead is gone
      "expect-edits 100 0\n"
      "advance 200\n"
      "expect-edits 100 0\n"
      "expect-pixel 343 300 #FF1900\n"
      "advance 100\n"
      "expect-edits 0 100\n"            // keyframe 29 again at the third tick
      "expect-pixel 343 300 #0000FF\n"
    },
    { "a key after the end replays too",
      "key Space\n"
      "advance 8100\n"
      "key Enter\n"
      "expect-timer on\n"
      "expect-pixel 150 92 #FFE900\n"
      "advance 300\n"
      "expect-edits 0 100\n"
    },
    { "Loeschen/Neu stops, clears picture and edits, and the next run starts at the top",
      "key Space\n"
      "advance 2800\n"
      "menu NEu\n"
      "expect-timer off\n"
      "expect-edits - -\n"
      "expect-pixel 160 104 #FFDD00\n"
      "expect-pixel 150 92 #FFE900\n"
      "key Space\n"
      "advance 300\n"
      "expect-edits 0 100\n"
      "expect-pixel 343 300 #0000FF\n"
    },
    { "Esc stops and resets; reopening starts clean",
      "key Space\n"
      "advance 2800\n"
      "key Esc\n"
      "expect-top FormMenue\n"
      "expect-timer off\n"
      "advance 1000\n"
      "menu Typ1\n"
      "expect-top FormZuTyp1\n"
      "expect-timer off\n"
      "expect-edits - -\n"
      "expect-pixel 160 104 #FFDD00\n"
      "key Space\n"
      "advance 300\n"
      "expect-edits 0 100\n"            // from MarkeY 20 again, not from 104
    },
    { "Ende stops and resets like Esc",
      "key Space\n"
      "advance 2800\n"
      "menu Ende\n"
      "expect-top FormMenue\n"
      "expect-timer off\n"
      "menu Typ1\n"
      "expect-edits - -\n"
      "key Space\n"
      "advance 300\n"
      "expect-edits 0 100\n"
    },
    { "the close box leaves the animation running unseen",
      "key Space\n"
      "advance 2800\n"
      "close\n"
      "expect-top FormMenue\n"
      "expect-timer on\n"
      "advance 1000\n"                  // ten more ticks: T = 134
      "expect-edits 85 15\n"
      "menu Typ1\n"
      "expect-pixel 160 104 #FFDD00\n"  // the form repaints: static picture
      "expect-edits 85 15\n"            // with the edits' last values
      "expect-timer on\n"
      "advance 300\n"
      "expect-edits 100 0\n"            // T = 143
    },
    { "after the close box a finished run replays at the next opening",
      "key Space\n"
      "advance 2800\n"
      "close\n"
      "advance 6000\n"
      "expect-timer off\n"
      "menu Typ1\n"
      "expect-edits 100 0\n"
      "key Space\n"
      "expect-timer on\n"
      "advance 300\n"
      "expect-edits 0 100\n"
    },
    { "a click on the strip draws the lever picture and a repaint removes it",
      "click PaintBoxHand 100 30\n"
      "expect-pixel 160 104 #FFFFFF\n"  // the lever, white, 2 pixels wide: rows 103 and 104
      "expect-pixel 111 132 #800000\n"  // the blank before "m(MK)" on maroon
      "expect-pixel 122 113 #8000FF\n"  // arrowhead filled with the strip's colour
      "click PaintBoxHand 100 30\n"
      "expect-pixel 122 113 #FF8000\n"  // orange: the brush the first click left
      "repaint\n"
      "expect-pixel 160 104 #FFDD00\n"
      "expect-pixel 122 113 #FFD400\n"  // band, green 212
      "click PaintBoxHand 100 30\n"
      "expect-pixel 122 113 #8000FF\n"  // the repaint gave the brush the strip's colour back
    },
    { "a click during the run draws the lever picture and the run goes on",
      "key Space\n"
      "advance 2000\n"
      "click PaintBoxHand 100 30\n"
      "expect-pixel 160 104 #FFFFFF\n"
      "expect-timer on\n"
      "advance 800\n"
      "expect-edits 29 71\n"
    },
};
// clang-format on

struct Expectation {
    std::string line; // the check as written
    std::string want;
};

QJsonObject component(const QJsonObject& state, const QString& name)
{
    for (const QJsonValue& c : state.value(QStringLiteral("components")).toArray())
        if (c.toObject().value(QStringLiteral("name")).toString() == name)
            return c.toObject();
    return {};
}

// What a driver answer says for the check it was asked for.
std::string answerFor(const std::string& check, const std::string& answer)
{
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(answer)).object();
    if (check == "expect-edits") {
        auto text = [&](const char* name) {
            const std::string t
                = component(o, QString::fromLatin1(name)).value(QStringLiteral("text")).toString().toStdString();
            return t.empty() ? std::string("-") : t;
        };
        return text("EditMK") + " " + text("EditSch");
    }
    if (check == "expect-timer") {
        const QJsonObject t = o.value(QStringLiteral("timers")).toArray().at(0).toObject();
        return t.value(QStringLiteral("enabled")).toBool() ? "on" : "off";
    }
    if (check == "expect-top")
        return o.value(QStringLiteral("top")).toString().toStdString();
    return answer; // a pixel
}

} // namespace

class ZuTyp1Moments : public ::testing::TestWithParam<Moment> { };

TEST_P(ZuTyp1Moments, ShowWhatTheLessonSays)
{
    const Moment& m = GetParam();
    std::string script = "skip-cover\nmenu Typ1\n";
    std::vector<Expectation> expectations;
    std::istringstream lines(m.script);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string cmd;
        words >> cmd;
        if (cmd == "expect-pixel") {
            int x = 0, y = 0;
            std::string want;
            words >> x >> y >> want;
            script += "pixel " + std::to_string(265 + x) + " " + std::to_string(5 + y) + "\n";
            expectations.push_back({ line, want });
        } else if (cmd == "expect-edits" || cmd == "expect-timer") {
            std::string rest;
            std::getline(words >> std::ws, rest);
            script += "state FormZuTyp1\n";
            expectations.push_back({ line, rest });
        } else if (cmd == "expect-top") {
            std::string want;
            words >> want;
            script += "forms\n";
            expectations.push_back({ line, want });
        } else {
            script += line + "\n";
        }
    }

    std::string out, err;
    const int code = wbtest::runScript(script, wb::createAllForms, &out, &err);
    ASSERT_EQ(code, 0) << err;
    std::vector<std::string> answers;
    std::istringstream outLines(out);
    for (std::string line; std::getline(outLines, line);)
        answers.push_back(line);
    ASSERT_EQ(answers.size(), expectations.size()) << out << err;
    for (size_t i = 0; i < expectations.size(); ++i) {
        const Expectation& e = expectations[i];
        const std::string check = e.line.substr(0, e.line.find(' '));
        EXPECT_EQ(answerFor(check, answers[i]), e.want) << "check " << i + 1 << ": " << e.line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Run, ZuTyp1Moments, ::testing::ValuesIn(kMoments), [](const ::testing::TestParamInfo<Moment>& info) {
        std::string name;
        for (const char* p = info.param.name; *p; ++p)
            name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });
