#include "Micrographs.h"

#include "micrograph/Photographs.h"

#include <string>

namespace picgen {

Picture renderPicture(const wb::pictures::PictureEntry& entry)
{
    const std::string key = wb::pictures::pictureKey(entry);
    Rng rng(seedOf(key));
    const int w = entry.width;
    const int h = entry.height;
    Picture pic;
    if (entry.form == "FormBildFe") {
        pic.luma = ironMicrograph(w, h, rng);
    } else if (entry.form.substr(0, 9) == "FormBildC") {
        const int tenths = std::stoi(std::string(entry.form.substr(9)));
        pic.luma = steelMicrograph(w, h, tenths / 10.0, rng);
    } else if (key == "FormMenue.ImageHinter") {
        FerritePearliteParams p;
        p.grain = 64;
        p.prior = 150;
        p.grainSpread = 0.35;
        p.pearlite = 0.38;
        p.lamellaMin = 3.5;
        p.lamellaMax = 8.0;
        p.boundaryWidth = 1.8;
        p.boundaryDepth = 0.5;
        p.ferrite = 0.84;
        p.ferriteSpread = 0.05;
        p.pearliteDark = 0.14;
        p.pearliteLight = 0.62;
        p.cementiteShare = 0.38;
        Finish f;
        f.blur = 0.9;
        f.vignette = 0.14;
        f.specks = 14;
        f.scratches = 3;
        pic.colour = finishInColour(ferritePearlite(w, h, rng, p), rng, f, kBackdrop);
    } else if (key == "FormLMC45.ImageNormal") {
        Finish f;
        f.specks = 12;
        pic.colour = finishInColour(normalisedC45(w, h, 34, rng, 1), rng, f, kNital);
    } else if (key == "FormLMC45.ImageHart") {
        Finish f;
        f.blur = 0.75;
        f.specks = 6;
        pic.colour = finishInColour(hardenedC45(w, h, 80, rng), rng, f, kNital);
    } else if (key == "FormLMC45.ImageVerg") {
        Finish f;
        f.blur = 0.7;
        f.specks = 6;
        pic.colour = finishInColour(temperedC45(w, h, 80, rng), rng, f, kNital);
    } else if (key == "FormZTUcon045.ImageNorm") {
        Finish f;
        f.blur = 0.5;
        f.specks = 1;
        f.scratches = 0;
        pic.colour = finishInColour(normalisedC45(w, h, 13, rng, 2), rng, f, kNital);
    } else if (key == "FormZTUcon045.ImageMart") {
        Finish f;
        f.blur = 0.5;
        f.specks = 1;
        f.scratches = 0;
        pic.colour = finishInColour(hardenedC45(w, h, 45, rng), rng, f, kNital);
    }
    pic.grey = entry.grey;
    return pic;
}

} // namespace picgen
