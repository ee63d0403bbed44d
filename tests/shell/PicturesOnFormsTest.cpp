// The built-in photographs where the forms show them: the main menu's background, the
// micrograph windows, the C45 micrographs; and the driver's picture export.
#include "ShellTables.h"
#include "app/Program.h"
#include "framework/FormAccess.h"
#include "framework/Forms.h"
#include "ironcarbon/UnitBildC04.h"
#include "ironcarbon/UnitBildFe.h"
#include "resources/Pictures.h"

#include <QDir>
#include <QTemporaryDir>

using namespace wb;
using namespace shelltest;

namespace {

std::string hexOf(const QImage& picture, int x, int y)
{
    return colorToHex(fromPixel(picture.pixel(x, y))).toStdString();
}

} // namespace

TEST(PicturesOnForms, MainMenuShowsTheTopLeftOfItsPhotographUnscaledAndTheToggleHidesIt)
{
    // On 1024 × 768 the 1000 × 700 image lies at ((1016 − 1000) div 2, (client height − 700 − 18) div 2).
    const ScriptResult r = runProgram("screen 1024 768\nskip-cover\nstate\npixel 8 8\npixel 600 400\n"
                                      "menu Hintergrund\npixel 600 400\nmenu Hintergrund\npixel 600 400\nkey Esc\n");
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 5u);
    const QJsonArray bounds
        = component(json(r.lines[0]), QStringLiteral("ImageHinter")).value(QStringLiteral("bounds")).toArray();
    const int left = bounds[0].toInt(), top = bounds[1].toInt();
    ASSERT_EQ(left, 8);
    const QImage photo = pictures::jpeg(QStringLiteral("FormMenue.ImageHinter"));
    ASSERT_EQ(photo.size(), QSize(1200, 865));
    EXPECT_EQ(r.lines[1], hexOf(photo, 8 - left, 8 - top));
    EXPECT_EQ(r.lines[2], hexOf(photo, 600 - left, 400 - top));
    EXPECT_EQ(r.lines[3], "#000000") << "with the picture hidden the form colour shows";
    EXPECT_EQ(r.lines[4], hexOf(photo, 600 - left, 400 - top));
}

TEST(PicturesOnForms, C45CommandShowsTheNormalisedMicrograph)
{
    const ScriptResult r
        = runProgram("skip-cover\nmenu GefgeC451\nstate\npixel 10 10\npixel 700 400\nkey Esc\nkey Esc\n");
    ASSERT_EQ(r.code, 0) << r.err;
    const QJsonArray bounds
        = component(json(r.lines[0]), QStringLiteral("ImageNormal")).value(QStringLiteral("bounds")).toArray();
    const QImage photo = pictures::jpeg(QStringLiteral("FormLMC45.ImageNormal"));
    EXPECT_EQ(r.lines[1], hexOf(photo, 10 - bounds[0].toInt(), 10 - bounds[1].toInt()));
    EXPECT_EQ(r.lines[2], hexOf(photo, 700 - bounds[0].toInt(), 400 - bounds[1].toInt()));
}

TEST(PicturesOnForms, MicrographWindowShowsItsPhotographCutAtTheTopAlignedImage)
{
    struct Case {
        TForm* form;
        const char* key;
    };
    TFormBildC04 steel;
    TFormBildFe ferrite;
    for (const Case& c : { Case { &steel, "FormBildC04.ImageBild" }, Case { &ferrite, "FormBildFe.ImageBild" } }) {
        FormAccess::create(*c.form);
        c.form->Show();
        Application.flushPendingPaints();
        const QImage photo = pictures::jpeg(QString::fromLatin1(c.key));
        ASSERT_FALSE(photo.isNull()) << c.key;
        auto* image = dynamic_cast<TImage*>(c.form->findComponent(QStringLiteral("ImageBild")));
        ASSERT_NE(image, nullptr);
        // Aligned to the top: the full client width, the height kept at 230.
        EXPECT_EQ(image->BoundsRect(), QRect(0, 0, c.form->ClientWidth(), 230)) << c.key;
        const QImage& s = FormAccess::surface(*c.form);
        EXPECT_EQ(hexOf(s, 0, 0), hexOf(photo, 0, 0)) << c.key;
        EXPECT_EQ(hexOf(s, 391, 229), hexOf(photo, 391, 229)) << c.key;
        // The picture is taller than 230 rows: the image cuts it, and the form shows below.
        EXPECT_EQ(fromPixel(s.pixel(100, 230)), c.form->Color()) << c.key;
        c.form->Hide();
    }
}

TEST(PicturesOnForms, DriverExportsEveryPictureAndEveryFrame)
{
    QTemporaryDir dir;
    const ScriptResult r = runProgram("export-pictures " + dir.path().toStdString() + "\nforms\n");
    ASSERT_EQ(r.code, 0) << r.err;
    int expected = int(pictures::kPictureTable.size());
    for (const auto& s : pictures::kStripTable)
        expected += s.frames;
    const QStringList files = QDir(dir.path()).entryList({ QStringLiteral("*.png") }, QDir::Files);
    EXPECT_EQ(files.size(), expected);
    EXPECT_TRUE(files.contains(QStringLiteral("FormMenue.ImageHinter.png")));
    EXPECT_TRUE(files.contains(QStringLiteral("FormZuTyp1.ImageListMkBildung.18.png")));
    EXPECT_FALSE(files.contains(QStringLiteral("FormZuTyp1.ImageListMkBildung.19.png")));
    const QImage frame(QDir(dir.path()).filePath(QStringLiteral("FormZuTyp4.ImageListAinB.16.png")));
    EXPECT_EQ(frame.size(), QSize(80, 80));
}
