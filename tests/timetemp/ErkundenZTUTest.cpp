// The window "Abkühlung selbst wählen": the entries with their ranges, the slider's scale, the
// quenched bar and the end-quench test, any steel through the models; the window at the lessons'
// rates, its cooling line where the lessons draw theirs, its micrograph, holds, end-quench
// distances and any steel; and through the driver from the main menu, with wrong entries refused.
#include "framework/FormAccess.h"
#include "steel/Hardness.h"
#include "steel/NamedSteels.h"
#include "tests/support/Program.h"
#include "timetemp/ErkundenZTURechnung.h"
#include "timetemp/ErkundenZTUZeichnung.h"
#include "timetemp/UnitErkundenZTU.h"

#include <QStringList>
#include <cmath>
#include <string>
#include <variant>

using namespace wb;
using namespace wb::erkundenztu;
using wbtest::StateView;

namespace {

Stahl lehr45()
{
    return Stahl::lehrstahl(model::c45(), QStringLiteral("C45"));
}

Stahl lehr70()
{
    return Stahl::lehrstahl(model::c70(), QStringLiteral("C70"));
}

Stahl benannt(const char* name)
{
    const steel::NamedSteel* s = steel::findNamedSteel(name);
    return Stahl::beliebig(s->composition, QString::fromUtf8(name));
}

// The memo lines a lesson table's row gives.
QStringList zeilen(const model::Shares& s)
{
    Ergebnis e;
    e.ferrit = s.ferrite;
    e.perlit = s.pearlite;
    e.bainit = s.bainite;
    e.martensit = s.martensite;
    return gefuegeZeilen(e);
}

} // namespace

// --- Without a window --------------------------------------------------------------------------

TEST(ErkundenZTURechnung, EntriesAreReadWithTheirRanges)
{
    struct Case {
        const Eingabe& feld;
        const char* text;
        Lesart art;
        double wert;
        const char* why;
    };
    const Case cases[] = {
        { kRate, "15", Lesart::Zahl, 15, "a whole number" },
        { kRate, "0,5", Lesart::Zahl, 0.5, "a decimal comma" },
        { kRate, " 0.5 ", Lesart::Zahl, 0.5, "a point, blanks around" },
        { kRate, "1000", Lesart::Zahl, 1000, "the upper end" },
        { kRate, "0", Lesart::Unvollstaendig, 0, "0,05 may follow" },
        { kRate, "0,00", Lesart::Falsch, 0, "0,00x stays below 0,01 whatever digit follows" },
        { kRate, "0,001", Lesart::Falsch, 0.001, "no further digit brings it to 0,01" },
        { kRate, "", Lesart::Unvollstaendig, 0, "nothing typed yet" },
        { kRate, "5000", Lesart::Falsch, 5000, "above the range: more digits only make it larger" },
        { kRate, "abc", Lesart::Falsch, 0, "no number" },
        { kRate, "-3", Lesart::Falsch, 0, "negative" },
        { kRate, "1e9", Lesart::Falsch, 0, "an exponent beyond the range" },
        { kHalteTemperatur, "5", Lesart::Unvollstaendig, 5, "50 … 59 °C may follow" },
        { kHalteTemperatur, "800", Lesart::Falsch, 800, "above A1's 720 °C limit" },
        { kDurchmesser, "2", Lesart::Unvollstaendig, 2, "20 … 29 mm may follow" },
        { kAbstand, "90", Lesart::Falsch, 90, "the chart ends at 80 mm" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + ": " + c.why);
        const Gelesen g = lies(c.feld, QString::fromUtf8(c.text));
        EXPECT_EQ(g.art, c.art);
        if (c.art == Lesart::Zahl)
            EXPECT_DOUBLE_EQ(g.wert, c.wert);
    }
    const QString m = meldung(kRate, QStringLiteral("5000"));
    EXPECT_TRUE(m.contains(QStringLiteral("von 0,01 bis 1000 °C/s"))) << m.toStdString();
    EXPECT_TRUE(m.contains(QStringLiteral("„5000“"))) << m.toStdString();
}

TEST(ErkundenZTURechnung, TheSliderRunsOverFiveDecadesInEightiethsOfADecade)
{
    EXPECT_EQ(rateText(133.35), QStringLiteral("133"));
    EXPECT_EQ(rateText(13.335), QStringLiteral("13,3"));
    EXPECT_EQ(rateText(0.013335), QStringLiteral("0,0133"));
    EXPECT_EQ(rateText(15), QStringLiteral("15"));
    EXPECT_DOUBLE_EQ(rateAusSchieber(0), 0.01);
    EXPECT_DOUBLE_EQ(rateAusSchieber(kSchieberMax), 1000);
    EXPECT_NEAR(rateAusSchieber(80), 0.1, 1e-12);
    for (int p = 0; p <= kSchieberMax; ++p)
        EXPECT_EQ(schieberAusRate(rateAusSchieber(p)), p);
    EXPECT_EQ(schieberAusRate(1e-5), 0);
    EXPECT_EQ(schieberAusRate(1e6), kSchieberMax);
}

// When a place of the curve first reaches `celsius` (s).
double zeitBis(const std::vector<steel::TimeTemperature>& kurve, double celsius)
{
    for (size_t i = 0; i + 1 < kurve.size(); ++i)
        if (kurve[i + 1].temperature <= celsius)
            return kurve[i].time
                + (kurve[i].temperature - celsius) / (kurve[i].temperature - kurve[i + 1].temperature)
                * (kurve[i + 1].time - kurve[i].time);
    return INFINITY;
}

TEST(ErkundenZTURechnung, TheCoreOfABarCoolsSlowerThanItsSurfaceAndAThickerBarSlowerStill)
{
    for (const steel::Quenchant q : { steel::Quenchant::Water, steel::Quenchant::Oil, steel::Quenchant::Air }) {
        double kernVorher = 0;
        for (double d : { 10.0, 40.0, 100.0 }) {
            SCOPED_TRACE(std::to_string(int(q)) + " / " + std::to_string(d) + " mm");
            const steel::BarCooling stab(d, q);
            for (const double celsius : { 700.0, 500.0 }) {
                SCOPED_TRACE(celsius);
                const double rand = zeitBis(stab.curve(relativerRadius(Ort::Rand), 850), celsius);
                const double halb = zeitBis(stab.curve(relativerRadius(Ort::HalberRadius), 850), celsius);
                const double kern = zeitBis(stab.curve(relativerRadius(Ort::Kern), 850), celsius);
                EXPECT_LT(rand, halb);
                EXPECT_LT(halb, kern);
                if (celsius == 500) {
                    EXPECT_GT(kern, kernVorher) << "a thicker bar's core takes longer";
                    kernVorher = kern;
                }
            }
        }
    }
    // Water cools a bar's core faster than oil, oil faster than air.
    const auto kern = [](steel::Quenchant q) { return rateBei700(steel::BarCooling(40, q).curve(0, 850)); };
    EXPECT_GT(kern(steel::Quenchant::Water), kern(steel::Quenchant::Oil));
    EXPECT_GT(kern(steel::Quenchant::Oil), kern(steel::Quenchant::Air));
}

TEST(ErkundenZTURechnung, OnALessonDiagramABarsPlaceCoolsAsTheLessonsLineOfItsRateAt700)
{
    Einstellung e;
    e.art = Art::Rundstab;
    e.durchmesser = 40;
    e.mittel = steel::Quenchant::Water;
    for (Ort o : { Ort::Rand, Ort::Kern }) {
        e.ort = o;
        const Ergebnis r = berechne(lehr45(), e);
        ASSERT_EQ(r.kurven.size(), 3u) << "surface, half radius and core drawn together";
        const model::CoolingResult lesson = model::throughDiagram(model::c45(), r.rate700);
        EXPECT_EQ(r.martensit, lesson.shares.martensite);
        EXPECT_EQ(r.haerteHV, lesson.hardnessHV);
    }
    e.ort = Ort::Rand;
    const double rand = berechne(lehr45(), e).martensit;
    e.ort = Ort::Kern;
    EXPECT_GE(rand, berechne(lehr45(), e).martensit) << "the surface hardens at least as much as the core";
}

TEST(ErkundenZTURechnung, TheEndQuenchRateAndHardnessFallWithDistance)
{
    double vorher = INFINITY;
    for (double mm = 1.5; mm <= kStirnBis; mm += 0.5) {
        const double v = stirnRate(lehr45(), mm);
        EXPECT_LT(v, vorher) << mm;
        vorher = v;
    }
    // C45's curve is the lesson's chart: the specimen that was not tempered.
    const model::EndQuenchChart& chart = model::c45EndQuench();
    const std::vector<StirnPunkt> c45 = stirnKurve(lehr45());
    ASSERT_FALSE(c45.empty());
    for (const StirnPunkt& p : c45)
        EXPECT_DOUBLE_EQ(p.hrc, model::endQuenchHRC(chart, 6, p.abstand)) << p.abstand;
    EXPECT_GT(c45.front().hrc, c45.back().hrc + 30);
    EXPECT_TRUE(stirnKurve(lehr70()).empty()) << "the lessons have no end-quench chart of C70";
    // What the ZTU diagrams give at those rates never rises with the distance.
    for (const Stahl& s : { lehr45(), lehr70(), benannt("42CrMo4") }) {
        SCOPED_TRACE(s.name().toStdString());
        double hrcVorher = INFINITY;
        for (const StirnPunkt& p : stirnKurveAusSchaubild(s)) {
            if (std::isnan(p.hrc)) {
                hrcVorher = 20;
                continue;
            }
            EXPECT_LE(p.hrc, hrcVorher + 1e-9) << p.abstand;
            hrcVorher = p.hrc;
        }
    }
    // The measured A255 curve of any steel falls too.
    const std::vector<StirnPunkt> a255 = stirnKurve(benannt("42CrMo4"));
    ASSERT_GE(a255.size(), 2u);
    EXPECT_GT(a255.front().hrc, a255.back().hrc);
}

TEST(ErkundenZTURechnung, AnySteelCoolsByTheModelsAdditivity)
{
    const Stahl s = benannt("42CrMo4");
    const steel::Steel modell = std::get<steel::Steel>(steel::Steel::from(s.zusammensetzung()));
    double martensitVorher = -1;
    for (double rate : { 0.1, 1.0, 10.0, 100.0 }) {
        SCOPED_TRACE(rate);
        Einstellung e;
        e.rate = rate;
        const Ergebnis r = berechne(s, e);
        EXPECT_NEAR(r.ferrit + r.perlit + r.bainit + r.martensit + r.restaustenit, 100, 1e-6);
        EXPECT_GE(r.martensit, martensitVorher);
        martensitVorher = r.martensit;
        // The same numbers as the models give for that curve.
        const auto kurve = steel::constantRateCurve(s.austenitisierung(), rate, 20);
        const steel::CctResult cct = steel::continuousCooling(s.bericht().kinetics, kurve);
        EXPECT_DOUBLE_EQ(r.martensit, 100 * cct.martensite);
        EXPECT_DOUBLE_EQ(r.haerteHV, steel::hardnessAfterCooling(modell, cct).value);
    }
    // A hold between Bs and Ms forms bainite in time.
    Einstellung h;
    h.art = Art::Halten;
    h.halteTemperatur = (s.bericht().temperatures.bs.value + s.ms()) / 2;
    h.halteZeit = 0.2;
    const double kurz = berechne(s, h).bainit;
    h.halteZeit = 1e5;
    const Ergebnis lang = berechne(s, h);
    EXPECT_GT(lang.bainit, kurz);
    EXPECT_GT(lang.bainit, 90);
    EXPECT_TRUE(lang.isotherm);
}

TEST(ErkundenZTURechnung, TheResultIsWrittenInWholePercentAndHVWithHRCWhereItApplies)
{
    Ergebnis e;
    e.ferrit = 20;
    e.perlit = 80;
    e.haerteHV = 280;
    EXPECT_EQ(gefuegeZeilen(e), QStringList({ QStringLiteral(" 20 %  Ferrit"), QStringLiteral(" 80 %  Perlit") }));
    EXPECT_EQ(haerteText(e), QStringLiteral("280 HV (≈ 27 HRC)")) << "280 HV lies 0.8 of the way from 200 to 300";
    e.haerteHV = 190;
    EXPECT_EQ(haerteText(e), QStringLiteral("190 HV")) << "below 20 HRC no Rockwell C";
    e.haerteHV = NAN;
    EXPECT_TRUE(haerteText(e).startsWith(QStringLiteral("–")));
    e.martensit = 99.6;
    e.restaustenit = 0.4;
    EXPECT_EQ(gefuegeZeilen(e).size(), 3) << "retained austenite under half a percent is left out";
}

// --- The window --------------------------------------------------------------------------------

using ErkundenZTU = wbtest::LessonTest<TFormErkundenZTU>;

TEST_F(ErkundenZTU, OpensWithC45CooledAt15DegreesPerSecondAsTheLessonsTableSays)
{
    EXPECT_EQ(f.EditRate.Text(), QStringLiteral("15"));
    EXPECT_EQ(f.ScrollBarRate.Position(), schieberAusRate(15));
    EXPECT_EQ(f.MemoGefuege.Lines.list(), zeilen(model::c45().coolings[2].shares));
    EXPECT_EQ(f.EditHaerte.Text(), QStringLiteral("280 HV (≈ 27 HRC)"));
    EXPECT_TRUE(f.LabelStahl.Caption().contains(QStringLiteral("C45")));
}

TEST_F(ErkundenZTU, AtEachLessonRateTheWindowShowsTheLessonsTable)
{
    for (const auto& [menu, steel] : { std::pair { &f.StahlC45, &model::c45() }, { &f.StahlC70, &model::c70() } }) {
        menu->OnClick();
        for (const model::Cooling& c : steel->coolings) {
            SCOPED_TRACE(c.rate);
            f.EditRate.typeText(zahl(c.rate));
            EXPECT_EQ(f.MemoGefuege.Lines.list(), zeilen(c.shares));
            EXPECT_TRUE(f.EditHaerte.Text().startsWith(QStringLiteral("%1 HV").arg(c.hardnessHV)));
        }
    }
}

TEST_F(ErkundenZTU, TheSliderDrawsTheCoolingLineWhereTheLessonDrawsItsRate)
{
    const ztaztu::DiagramLayout l = ztuLayout(f.PaintBoxZTU.Width(), f.PaintBoxZTU.Height());
    for (const int position : { schieberAusRate(15), schieberAusRate(600), 150 }) {
        f.ScrollBarRate.scrollTo(position);
        const double rate = rateAusSchieber(position);
        SCOPED_TRACE(rate);
        EXPECT_EQ(f.EditRate.Text(), rateText(rate));
        const double drawn = model::drawnRate(model::c45(), rate);
        // On the line at 0.3 s and where it passes 400 °C; the line is three pixels wide.
        for (const double lg : { std::log10(0.3), std::log10((model::c45().austenitising - 400) / drawn) }) {
            const TPoint p = ztuPunkt(l, lg, model::coolingLineCelsius(model::c45(), drawn, lg));
            EXPECT_EQ(at(f.PaintBoxZTU, p.X, p.Y), kKurvenFarbe) << lg;
        }
        const model::CoolingResult r = model::throughDiagram(model::c45(), rate);
        EXPECT_EQ(f.MemoGefuege.Lines.list(), zeilen(r.shares));
    }
    // 600 °C/s: all martensite, as hard as the lesson says.
    f.ScrollBarRate.scrollTo(kSchieberMax);
    EXPECT_EQ(f.MemoGefuege.Lines.list(), QStringList { QStringLiteral("100 %  Martensit") });
    EXPECT_TRUE(f.EditHaerte.Text().startsWith(QStringLiteral("780 HV")));
}

TEST_F(ErkundenZTU, TheMicrographIsTheSynthesisOfTheShownShares)
{
    for (const char* rate : { "0,04", "60", "600" }) {
        SCOPED_TRACE(rate);
        f.EditRate.typeText(QString::fromUtf8(rate));
        const Ergebnis& e = f.ergebnis();
        micrograph::Request r { f.PaintBoxGefuege.Width(), f.PaintBoxGefuege.Height(), 1.0, f.stahl().gefuegeSaat(),
            {} };
        using micrograph::Constituent;
        for (const auto& [c, share] :
            { std::pair { Constituent::Ferrite, e.ferrit }, { Constituent::Pearlite, e.perlit },
                { Constituent::Bainite, e.bainit }, { Constituent::Martensite, e.martensit } })
            if (share > 0)
                r.parts.push_back({ c, share });
        micrograph::Synthesis synthese;
        const QImage bild = synthese.render(r).image;
        for (const QPoint p : { QPoint(0, 0), QPoint(57, 91), QPoint(120, 33), QPoint(237, 177) })
            EXPECT_EQ(at(f.PaintBoxGefuege, p.x(), p.y()), fromPixel(bild.pixel(p))) << p.x() << "," << p.y();
    }
}

TEST_F(ErkundenZTU, AHoldIsDrawnOnTheIsothermalDiagramAndBainiteFormsInTime)
{
    f.ArtHalten.OnClick(); // at 400 °C for 100 s, where the window starts
    EXPECT_TRUE(f.ergebnis().isotherm);
    const model::HoldResult h = model::afterHold(model::c45(), 400, 100);
    EXPECT_EQ(f.MemoGefuege.Lines.list(), zeilen(h.shares)) << "held for the 100 s the window starts with";
    f.EditHaltezeit.typeText(QStringLiteral("1"));
    EXPECT_EQ(f.MemoGefuege.Lines.list(), QStringList { QStringLiteral("100 %  Martensit") })
        << "before the start at 2,3 s nothing transforms";
    f.EditHaltezeit.typeText(QStringLiteral("1000"));
    EXPECT_EQ(f.MemoGefuege.Lines.list(), QStringList { QStringLiteral("100 %  Bainit") });
    // The isotherm at 400 °C from the quench to the end of the hold, and the isothermal lines.
    const ztaztu::DiagramLayout l = ztuLayout(f.PaintBoxZTU.Width(), f.PaintBoxZTU.Height());
    const TPoint p = ztuPunkt(l, 1, 400);
    EXPECT_EQ(at(f.PaintBoxZTU, p.X, p.Y), kKurvenFarbe);
    const TPoint nase = ztaztu::project(l, model::c45().isothermal[0].points[4]); // the nose at 550 °C
    EXPECT_EQ(at(f.PaintBoxZTU, nase.X, nase.Y), diagrams::kDunkel);
}

TEST_F(ErkundenZTU, TheEndQuenchChartChoosesThePlaceAndShowsItsStructure)
{
    f.PaintBoxJominy.OnMouseDown(stirnLayout(f.PaintBoxJominy.Width(), f.PaintBoxJominy.Height()).x(20), 50, {});
    EXPECT_EQ(f.EditAbstand.Text(), QStringLiteral("20"));
    EXPECT_EQ(f.moduleState().einstellung.art, Art::Stirnabschreck);
    const model::CoolingResult r = model::throughDiagram(model::c45(), stirnRate(f.stahl(), 20));
    EXPECT_EQ(f.MemoGefuege.Lines.list(), zeilen(r.shares));
    f.EditAbstand.typeText(QStringLiteral("1,5"));
    EXPECT_GT(f.ergebnis().martensit, 90) << "the quenched end hardens";
    // The measured curve of the chart at 10 mm, in its colour.
    const StirnLayout l = stirnLayout(f.PaintBoxJominy.Width(), f.PaintBoxJominy.Height());
    const double hrc = model::endQuenchHRC(model::c45EndQuench(), 6, 30);
    EXPECT_EQ(at(f.PaintBoxJominy, l.x(30), l.y(hrc)), kMessFarbe);
}

TEST_F(ErkundenZTU, ABarShowsItsThreePlacesAndTheChosenPlacesResult)
{
    f.ArtRundstab.OnClick(); // 40 mm in oil, the core: where the window starts
    EXPECT_EQ(f.moduleState().einstellung.art, Art::Rundstab);
    ASSERT_EQ(f.ergebnis().kurven.size(), 3u);
    EXPECT_EQ(f.LabelMittel.Caption(), QStringLiteral("in Öl, Kern"));
    const double kern = f.ergebnis().rate700;
    f.OrtRand.OnClick();
    EXPECT_GT(f.ergebnis().rate700, kern) << "in oil the 40 mm bar's surface passes 700 °C faster";
    const double randOel = f.ergebnis().rate700;
    f.MittelWasser.OnClick();
    EXPECT_GT(f.ergebnis().rate700, randOel);
    EXPECT_EQ(f.LabelMittel.Caption(), QStringLiteral("in Wasser, Rand"));
    // Each place's curve is drawn; the shown one wide. A point in the middle of each, in blue.
    const ztaztu::DiagramLayout l = ztuLayout(f.PaintBoxZTU.Width(), f.PaintBoxZTU.Height());
    for (const Kurve& k : f.ergebnis().kurven) {
        const model::TimeTemperature& m = k.punkte[k.punkte.size() / 2];
        const TPoint p = ztuPunkt(l, m.lgSeconds, m.celsius);
        EXPECT_EQ(at(f.PaintBoxZTU, p.X, p.Y), kKurvenFarbe) << m.lgSeconds << " s, " << m.celsius << " °C";
    }
    const model::CoolingResult r = model::throughDiagram(model::c45(), f.ergebnis().rate700);
    EXPECT_EQ(f.MemoGefuege.Lines.list(), zeilen(r.shares));
}

TEST_F(ErkundenZTU, AnySteelComesThroughTheHookWithItsComputedDiagrams)
{
    const steel::NamedSteel* s = steel::findNamedSteel("42CrMo4");
    f.setComposition(s->composition, QStringLiteral("42CrMo4"));
    EXPECT_FALSE(f.stahl().istLehrstahl());
    EXPECT_TRUE(f.LabelStahl.Caption().contains(QStringLiteral("42CrMo4")));
    EXPECT_TRUE(f.LabelStahl.Caption().contains(QStringLiteral("berechnet")));
    EXPECT_FALSE(f.MemoGefuege.Lines.list().isEmpty());
    // The same through the menu of named steels.
    f.StahlC45.OnClick();
    for (TMenuItem* item : f.menuItems())
        if (item->Name() == QStringLiteral("Beliebig42CrMo4"))
            item->OnClick();
    EXPECT_EQ(f.stahl().name(), QStringLiteral("42CrMo4"));
}

// --- Through the driver ------------------------------------------------------------------------

TEST(ErkundenZTUDriver, OpensFromTheMainMenuAndEscClosesIt)
{
    wbtest::Script s { "skip-cover", "menu ErkundenZTU" };
    const int offen = s.state("FormErkundenZTU");
    s << "key Esc";
    const int zu = s.state("FormErkundenZTU");
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    EXPECT_TRUE(s.stateView(offen).visible());
    EXPECT_EQ(s.stateView(offen).text("EditRate"), "15");
    EXPECT_FALSE(s.stateView(zu).visible());
}

TEST(ErkundenZTUDriver, AWrongEntryGetsAMessageWithTheRangeAndChangesNothing)
{
    for (const char* typed : { "5000", "abc", "0,001" }) {
        SCOPED_TRACE(typed);
        const wbtest::ProgramRun r = wbtest::runProgram(
            std::string("skip-cover\nmenu ErkundenZTU\ntype EditRate ") + typed + "\nmessage\nstate FormErkundenZTU\n");
        ASSERT_EQ(r.code, 0) << r.err;
        ASSERT_EQ(r.lines.size(), 2u);
        EXPECT_NE(r.lines[0].find("von 0,01 bis 1000 °C/s"), std::string::npos) << r.lines[0];
        const StateView v(r.lines[1]);
        EXPECT_EQ(v.text("EditRate"), "15") << "the value in force again";
        EXPECT_EQ(v.memoLines("MemoGefuege"), (std::vector<std::string> { " 20 %  Ferrit", " 80 %  Perlit" }));
    }
}

TEST(ErkundenZTUDriver, TheSliderAndAClickOnTheChartReachTheWindow)
{
    const int x = stirnLayout(538, 182).x(40);
    wbtest::Script s { "skip-cover", "menu ErkundenZTU", "scroll ScrollBarRate 400" };
    const int schnell = s.state("FormErkundenZTU");
    s << "click PaintBoxJominy " + std::to_string(x) + " 60";
    const int stirn = s.state("FormErkundenZTU");
    s.run();
    ASSERT_EQ(s.code(), 0) << s.err();
    EXPECT_EQ(s.stateView(schnell).text("EditRate"), "1000");
    EXPECT_EQ(s.stateView(schnell).memoLines("MemoGefuege"), std::vector<std::string> { "100 %  Martensit" });
    EXPECT_EQ(s.stateView(stirn).text("EditAbstand"), "40");
}

TEST_F(ErkundenZTU, ASliderStepDrawsThePixelsAWholeRepaintDraws)
{
    // The diagram without the cooling is kept and put back at each step: at ratio 1 and 2 the
    // result must be the pixels a repaint of the whole form gives.
    for (const qreal ratio : { 1.0, 2.0 }) {
        SCOPED_TRACE(ratio);
        FormAccess::setRatio(f, ratio);
        Application.flushPendingPaints();
        const QRect box = deviceRect(f.PaintBoxZTU.BoundsRect(), ratio);
        f.ScrollBarRate.scrollTo(100);
        f.ScrollBarRate.scrollTo(300);
        const QImage schritt = FormAccess::surface(f).copy(box);
        f.Refresh();
        Application.flushPendingPaints();
        EXPECT_EQ(FormAccess::surface(f).copy(box), schritt);
        f.ArtHalten.OnClick();
        f.ArtRate.OnClick();
        EXPECT_EQ(FormAccess::surface(f).copy(box), schritt) << "after the isothermal diagram and back";
    }
}
