// What the tests of the normalising and the quench-and-temper lessons share: pixels with the
// reason they are right, image-list frames in place, and the form as it opened.
#pragma once

#include "framework/FormAccess.h"
#include "framework/Timers.h"
#include "resources/Pictures.h"
#include "tests/support/Program.h"

#include <QImage>
#include <functional>
#include <vector>

namespace processtest {

struct Pixel {
    int x, y; // in the coordinates of the paint box named in the test
    wb::TColor color;
    const char* why;
};

// A moment of a process run: after `tick` ticks of 50 ms, ProzessX, ProzessY and BildNr, the frame
// of ImageListGef shown at (frameX, frameY) in that tick (or -1), and pixels of PaintBoxHaupt.
struct Moment {
    int tick;
    int x;
    float y;
    int bildNr;
    int frame;
    int frameX, frameY;
    std::vector<Pixel> pixels;
};

template <class Form> class ProcessLesson : public wbtest::LessonTest<Form> {
protected:
    using wbtest::LessonTest<Form>::f;
    using wbtest::LessonTest<Form>::opened;

    ::testing::AssertionResult shows(const wb::TPaintBox& box, const Pixel& p)
    {
        const wb::TColor got = this->at(box, p.x, p.y);
        if (got == p.color)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
            << box.Name().toStdString() << " (" << p.x << ", " << p.y << ") is " << wb::colorToHex(got).toStdString()
            << ", expected " << wb::colorToHex(p.color).toStdString() << ": " << p.why;
    }

    // Every opaque pixel of frame `index` of the form's ImageListGef at (x, y) of PaintBoxHaupt.
    ::testing::AssertionResult showsFrame(int index, int x, int y)
    {
        const QImage strip = wb::pictures::strip(f.Name() + QStringLiteral(".ImageListGef"));
        int opaque = 0;
        for (int fy = 0; fy < 100; ++fy)
            for (int fx = 0; fx < 100; ++fx) {
                const QRgb want = strip.pixel(index * 100 + fx, fy);
                if (qAlpha(want) == 0)
                    continue;
                ++opaque;
                const wb::TColor got = this->at(f.PaintBoxHaupt, x + fx, y + fy);
                if (got != wb::fromPixel(want))
                    return ::testing::AssertionFailure()
                        << "frame " << index << " at (" << x << ", " << y << "): pixel (" << fx << ", " << fy << ") is "
                        << wb::colorToHex(got).toStdString() << ", expected "
                        << wb::colorToHex(wb::fromPixel(want)).toStdString();
            }
        if (opaque == 0)
            return ::testing::AssertionFailure() << "frame " << index << " has no opaque pixel";
        return ::testing::AssertionSuccess();
    }

    // The form's whole client area as it is now.
    const QImage& picture() { return wb::FormAccess::surface(f); }

    ::testing::AssertionResult showsOpenedPicture()
    {
        const QImage& now = picture();
        for (int y = 0; y < now.height(); ++y)
            for (int x = 0; x < now.width(); ++x)
                if (now.pixel(x, y) != opened.pixel(x, y))
                    return ::testing::AssertionFailure() << "(" << x << ", " << y << ") differs from the opened form";
        return ::testing::AssertionSuccess();
    }

    void ticks(int n, int interval = 50) { wb::Scheduler::instance().advance(qint64(n) * interval); }

    // Plays the started process run from moment to moment and checks each. The run ends in tick
    // `runTicks`: until then its timer runs and the form is locked. `alsoCheck` is told at each
    // moment whether the run is still going.
    void expectMoments(const std::vector<Moment>& moments, const wb::TTimer& timer, int runTicks,
        const std::function<void(bool running)>& alsoCheck = {})
    {
        int done = 0;
        for (const Moment& m : moments) {
            ticks(m.tick - done);
            done = m.tick;
            SCOPED_TRACE(::testing::Message() << "tick " << m.tick);
            EXPECT_EQ(f.moduleState().ProzessX, m.x);
            EXPECT_FLOAT_EQ(f.moduleState().ProzessY, m.y);
            EXPECT_EQ(f.moduleState().BildNr, m.bildNr);
            const bool running = m.tick < runTicks;
            EXPECT_EQ(timer.Enabled(), running);
            EXPECT_EQ(f.Enabled(), !running) << "the run lock";
            if (alsoCheck)
                alsoCheck(running);
            if (m.frame >= 0) {
                EXPECT_TRUE(showsFrame(m.frame, m.frameX, m.frameY));
            }
            for (const Pixel& p : m.pixels)
                EXPECT_TRUE(shows(f.PaintBoxHaupt, p));
        }
    }
};

} // namespace processtest
