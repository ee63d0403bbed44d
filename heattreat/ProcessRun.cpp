// The process runs of the heat-treatment lessons: the austenitising stage that hardening and
// normalising share, and pausing and resuming a run with F2.
#include "heattreat/ProcessRun.h"

#include "framework/Figures.h"

#include <iterator>

namespace wb::processrun {

namespace {

constexpr int kHeizenBis = 141;
constexpr int kHaltenBis = 243;

// clang-format off
// Written again at every holding tick, white on red.
constexpr TextAt kHalteTexte[] = {
    { 44, 47, " Austenitisiertemperatur " },
    { 44, 63, " isothermes \"Halten\" " },
    { 44, 79, " T = const. > A[c3] im Gleichgewicht " },
};

// A row with a caption sets the brush black for it, white on black.
constexpr int kWeiter = -1; // draws frame BildNr as it stands
struct Bild {
    int x;
    int bildNr; // BildNr := this before the frame is drawn, or kWeiter
    int left;
    int top;
    TextAt caption; // none: an empty slot
};
constexpr Bild kBildFolge[] = {
    //  x   BildNr    left top   caption
    {  41,  0,        90, 180,  { 90, 284, "Ferrit+Perlit" } },
    {  89,  0,       290,  30,  {} },
    {  97,  kWeiter, 290,  30,  {} },
    { 109,  kWeiter, 290,  30,  {} },
    { 119,  kWeiter, 290,  30,  {} },
    { 129,  kWeiter, 290,  30,  {} },
    { 139,  kWeiter, 290,  30,  {} },
    { 149,  kWeiter, 290,  30,  {} },
    { 157,  kWeiter, 290,  30,  {} },
    { 165,  kWeiter, 290,  30,  {} },
    { 173,  kWeiter, 290,  30,  {} },
    { 181,  kWeiter, 290,  30,  {} },
    { 189, 11,       290,  30,  { 290, 135, "Homogener Austenit" } },
};
// Frame 0 twice, the ten growth frames and the homogeneous austenite.
static_assert(std::size(kBildFolge) == 13);
// clang-format on

} // namespace

float heizY(int x)
{
    return float(430 - 3.36 * x);
}

void heatAndHold(TCanvas& c, int& x, float& y)
{
    if (y > kHalteY && x <= kHeizenBis) {
        c.MoveTo(kStart.X, kStart.Y);
        ++x;
        c.LineTo(x, Round(y));
        y = heizY(x);
    }
    if (y <= kHalteY && x <= kHaltenBis) {
        c.Brush.SetColor(clRed);
        drawAll(c, kHalteTexte);
        c.MoveTo(x, kHalteY);
        ++x;
        y = kHalteY;
        c.LineTo(x, kHalteY);
    }
}

void austenitisingPicture(TCanvas& c, TImageList& list, int x, int& bildNr)
{
    for (const Bild& b : kBildFolge) {
        if (b.x != x)
            continue;
        if (b.caption.text)
            c.Brush.SetColor(clBlack);
        if (b.bildNr != kWeiter)
            bildNr = b.bildNr;
        list.Draw(c, b.left, b.top, bildNr);
        ++bildNr;
        draw(c, b.caption);
        return;
    }
}

bool pauseOrResume(bool underWay, TTimer& timer, TCanvas& canvas, int x, float& y)
{
    if (!underWay)
        return false;
    y = float(Round(y));
    canvas.MoveTo(x, Round(y));
    timer.SetEnabled(!timer.Enabled());
    return true;
}

} // namespace wb::processrun
