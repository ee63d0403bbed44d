// Moments of a lesson run, checked through the driver.
#include "tests/phase/LessonMoments.h"

#include <cctype>
#include <utility>

namespace wbtest {

namespace {

std::string answerFor(const Step& step, const Script& script, int query)
{
    switch (step.kind) {
    case Step::Text: {
        const std::string t = script.stateView(query).text(step.name.c_str());
        return t.empty() ? std::string("-") : t;
    }
    case Step::Timer:
        return script.stateView(query).timerEnabled(step.name.c_str()) ? "on" : "off";
    case Step::Item:
        return script.stateView(query).itemEnabled(step.name.c_str()) ? "on" : "off";
    case Step::MemoLines:
        return std::to_string(script.stateView(query).memoLines(step.name.c_str()).size());
    case Step::Top:
        return script.json(query).value(QStringLiteral("top")).toString().toStdString();
    default:
        return script.answer(query); // a pixel
    }
}

} // namespace

void expectMoment(const Lesson& lesson, const Moment& m)
{
    Script script { "skip-cover", std::string("menu ") + lesson.menuItem };
    std::vector<std::pair<const Step*, int>> checks; // each check with its query
    for (const Step& step : m.steps) {
        switch (step.kind) {
        case Step::Command:
            script << step.name;
            break;
        case Step::Pixel:
            checks.emplace_back(&step, script.pixel(lesson.diagram.x() + step.x, lesson.diagram.y() + step.y));
            break;
        case Step::Top:
            checks.emplace_back(&step, script.forms());
            break;
        default:
            checks.emplace_back(&step, script.state(lesson.form));
            break;
        }
    }
    script.run();
    ASSERT_EQ(script.code(), 0) << script.err();
    for (size_t i = 0; i < checks.size(); ++i) {
        const auto& [step, query] = checks[i];
        EXPECT_EQ(answerFor(*step, script, query), step->expected)
            << "check " << i + 1 << " at step " << (step - m.steps.data()) + 1
            << (step->kind == Step::Pixel ? " (pixel " + std::to_string(step->x) + ", " + std::to_string(step->y) + ")"
                                          : " (" + step->name + ")");
    }
}

std::string momentName(const char* description)
{
    std::string name;
    for (const char* p = description; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
}

} // namespace wbtest

namespace wbtest {

QImage codedStrip(int frames, int width, int height)
{
    QImage strip(frames * width, height, QImage::Format_RGB32);
    for (int i = 0; i < frames; ++i)
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                strip.setPixel(i * width + x, y, qRgb(i, 0x40, 0x80));
    return strip;
}

int codedFrame(wb::TColor c)
{
    return wb::GetGValue(c) == 0x40 && wb::GetBValue(c) == 0x80 ? wb::GetRValue(c) : -1;
}

void runToEnd(wb::TMenuItem& start, const wb::TTimer& timer)
{
    ASSERT_TRUE(start.Click()) << start.Name().toStdString();
    for (int t = 0; t < 100 && timer.Enabled(); ++t)
        wb::Scheduler::instance().advance(100);
    ASSERT_FALSE(timer.Enabled()) << "the run of " << start.Name().toStdString() << " has not ended";
}

std::vector<std::pair<int, int>> frameChanges(
    const wb::TTimer& timer, const std::function<wb::TColor()>& probe, int maxTicks)
{
    std::vector<std::pair<int, int>> changes;
    int shown = codedFrame(probe());
    for (int t = 1; timer.Enabled() && t <= maxTicks; ++t) {
        wb::Scheduler::instance().advance(timer.Interval());
        const int now = codedFrame(probe());
        if (now != shown) {
            shown = now;
            changes.emplace_back(t, now);
        }
    }
    return changes;
}

} // namespace wbtest
