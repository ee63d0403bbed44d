// The tables the shell tests share, and script runs of the whole program.
#include "ShellTables.h"

#include "app/Program.h"

#include <stdexcept>

namespace shelltest {

namespace {

// The key help texts of the status bars.
const char* const kS1 = "ESC = Abbruch";
const char* const kS2 = "Drücken Sie F1 um den begleitenden Text ein- oder auszublenden / ESC = Abbruch";
const char* const kS3 = "F2 = Prozess anhalten/fortsetzen, ESC = Abbruch";
const char* const kS4 = "ESC= Abbruch, Taste drücken --> Prozess beginnt, nochmals drücken -> Prozess anhalten";

} // namespace

// In creation order. Outer sizes: 800 x 600 (605 for the thermal-analysis forms, types 3 and 4
// and pure iron; 400 x 330 for the micrographs), centred at creation as (1024 - w) / 2,
// (768 - h) / 2, except the forms centred by their paint handler, still at (0, 0). Client
// areas: a tool window with a menu bar loses 8 pixels across and 8 + 18 + 20 down; the
// sizeable types 5 and 6 and the main menu lose 8 + 22 + 20 down; the cover page loses its
// 2-pixel border width on every side.
// clang-format off
const std::vector<FormRow> kForms = {
    { "FormDeckblatt", "",
      0, 0, 1024, 768, 1020, 764, "#000000", -11, "", 0, "ESCAPE", "ESCAPE", false },
    { "FormMenue", "Zustandsschaubilder/Zustandsschaubild Eisen-Kohlenstoff/Grundlagen der Wärmebehandlung von Stählen",
      184, 119, 800, 600, 792, 550, "#000000", -19, kS1, 18, "ESC1", "ESC", false },
    { "FormAllZu", "Allgemeines zu  Zustandsschaubildern",
      0, 0, 800, 600, 792, 554, "#D30562", -11, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormEntZu", "Entstehung von  Zustandsschaubildern",
      0, 0, 800, 600, 792, 554, "#D30562", -11, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormAbZuTyp2", "Thermische Analyse und Zustandsschaubild bei vollkommener Löslichkeit im flüssigen und Unlöslichkeit im festen Zustand (schematisch)",
      112, 81, 800, 605, 792, 559, "#D30562", -11, kS1, 18, "ESCAPEDOWN", "ESC = Abbruch", false },
    { "FormZuTyp1", "Zustandsschaubild bei vollkommener Löslichkeit im flüssigen und festen Zustand (schematisch) ",
      112, 84, 800, 600, 792, 554, "#D30562", -11, kS4, 20, "ESCAPE", "ESCAPE", false },
    { "FormZuTyp2", "Zustandsschaubild mit vollkommener Löslichkeit im flüssigen und vollkommener Unlöslichkeit im festen Zustand (schematisch)",
      112, 84, 800, 600, 792, 554, "#D30562", -10, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormZuTyp3", "Zustandsschaubild mit begrenzter Löslichkeit im festen Zustand / eutektisches System (schematisch)",
      112, 81, 800, 605, 792, 559, "#D30562", -10, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormZuTyp4", "Zustandsschaubild mit begrenzter Löslichkeit im festen Zustand / peritektisches System (schematisch)",
      112, 81, 800, 605, 792, 559, "#D30562", -10, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormZuTyp5", "Zustandsschaubild vollkommener Unlöslichkeit im festen Zustand mit intermediären Phasen (schematisch)",
      0, 0, 800, 600, 792, 550, "#D30562", -10, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormZuTyp6", "Zustandsschaubild mit Umwandlungen im festen Zustand (schematisch)",
      0, 0, 800, 600, 792, 550, "#D30562", -10, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormAllEKD", "Allgemeines zum Eisen-Kohlenstoff-Schaubild",
      0, 0, 800, 600, 792, 554, "#D30562", -11, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormReineisen", "Reines Eisen: Abkühl- und Aufheizkurve",
      0, 0, 800, 605, 792, 559, "#D30562", -10, kS1, 18, "ESCAPE", "ESC = Abbruch", true },
    { "FORMEKDGESAMT", "Eisen-Kohlenstoff-Schaubild: metastabiler (stabiler) Zustand)",
      0, 0, 800, 600, 792, 554, "#D30562", -13, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormEKD06", "Phasenumwandlung im EKS bei einem Kohlenstoffgehalt von 0.6 Gew.%",
      0, 0, 800, 600, 792, 554, "#D30562", -11, kS2, 18, "ESCAPE", "ESCAPE", false },
    { "FormEKD12", "Phasenumwandlung im EKS bei einem Kohlenstoffgehalt von 1.2 Gew.%",
      0, 0, 800, 600, 792, 554, "#D30562", -11, kS2, 18, "ESCAPE", "ESCAPE", false },
    { "FormEKD30", "Phasenumwandlung im EKS bei einem Kohlenstoffgehalt von 3.0 Gew.% (Gußeisen)",
      0, 0, 800, 600, 792, 554, "#D30562", -11, kS2, 18, "ESCAPE", "ESCAPE", false },
    { "FormALLZTAZTU", " ZTA/ZTU-Schaubilder",
      0, 0, 800, 600, 792, 554, "#D30562", -11, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormZTAcon045", "Kontinuierliches Zeit-Temperatur-Austenitisierungs-Schaubild für einen unlegierten Stahl mit C =  0.45 % (schematisch) ",
      112, 84, 800, 600, 792, 554, "#D30562", -11, kS2, 19, "ESCAPE", "ESCAPE", false },
    { "FormZTAcon07", "Kontinuierliches Zeit-Temperatur-Austenitisierungs-Schaubild für einen unlegierten Stahl mit C =  0.70 % (schematisch) ",
      112, 84, 800, 600, 792, 554, "#D30562", -11, kS2, 19, "ESCAPE", "ESCAPE", false },
    { "FormZTAiso045", "Isothermes Zeit-Temperatur-Austenitisierungs-Schaubild für einen unlegierten Stahl mit C =  0.45 % (schematisch) ",
      112, 84, 800, 600, 792, 554, "#D30562", -11, kS2, 19, "ESCAPE", "ESCAPE", false },
    { "FormZTUcon045", "Kontinuierliches Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten Stahl mit C =  0.45 % (schematisch) ",
      112, 84, 800, 600, 792, 554, "#D30562", -11, kS2, 19, "ESCAPE", "ESCAPE", false },
    { "FormZTUcon07", "Kontinuierliches Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten Stahl mit C =  0.70 % (schematisch) ",
      112, 84, 800, 600, 792, 554, "#D30562", -11, kS2, 19, "ESCAPE", "ESCAPE", false },
    { "FormZTUi045", "Isothermes Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten Stahl mit C =  0.45 % (schematisch) ",
      112, 84, 800, 600, 792, 554, "#D30562", -11, kS2, 19, "ESCApe", "ESCAPE", false },
    { "FormZTUi07", "Isothermes Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten Stahl mit C =  0.70 % (schematisch) ",
      112, 84, 800, 600, 792, 554, "#D30562", -11, kS2, 19, "ESCApe", "ESCAPE", false },
    { "FORMEKDMETASTABIL", "Eisen-Kohlenstoff-Schaubild: metastabiler Zustand  (Austenit, Ferrit und Perlit)",
      0, 0, 800, 600, 792, 554, "#D30562", -11, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormZTAZTU045", " ZTA/ZTU-Schaubild für einen unlegierten Stahl mit C =  0.45 % (schematisch) ",
      112, 84, 800, 600, 792, 554, "#D30562", -11, kS2, 18, "ESCAPE", "ESCAPE", false },
    { "FormWarme", "Wärmebehandlung",
      0, 0, 800, 600, 792, 554, "#D30562", -11, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormZTAZTU", "Schematische Darstellung der Temperaturführung bei der Wärmebehandlung (Normalglühen)",
      112, 84, 800, 600, 792, 554, "#D30562", -11, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormHaerten", "Schematische Prozessführung beim Härten",
      112, 84, 800, 600, 792, 554, "#D30562", -11, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormNormal", "Schematische Prozessführung beim Normalglühen",
      112, 84, 800, 600, 792, 554, "#D30562", -11, kS3, 18, "ESCAPE", "ESCAPE", false },
    { "FormVergueten", "Schematische Prozessführung beim Vergüten",
      112, 84, 800, 600, 792, 554, "#D30562", -11, kS3, 18, "ESCAPE", "ESCAPE", false },
    { "FormZeitAb", "Zeitabhängige Phasenänderungen / Grundlagen der Wärmebehandlung von Stählen",
      0, 0, 800, 600, 792, 554, "#D30562", -11, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormAbZuTyp1", "Thermische Analyse und Zustandsschaubild bei vollkommener Löslichkeit im flüssigen und festen Zustand (schematisch)",
      112, 81, 800, 605, 792, 559, "#D30562", -16, kS1, 18, "ESCAPEDOWN", "ESC = Abbruch", false },
    { "FormEKDBilder", "Eisen-Kohlenstoff-Schaubild: metastabiler Zustand  (Gefügereihe von 0.1% bis 0.8% Kohlenstoff)",
      112, 84, 800, 600, 792, 554, "#D30562", -11, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormGlueh", "Schematische Darstellung der Temperaturführung verschiedenen Glühverfahren im Eisen-Kohlenstoff-Schaubild (EKS)",
      112, 84, 800, 600, 792, 554, "#D30562", -11, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormLMC45", "Lichtmikroskopische Gefügeaufnahmen eines C 45 , Normalglühen, Vergüten, Härten",
      112, 84, 800, 600, 792, 554, "#D30562", -11, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormVerSch", "Vergütungsschaubild eines C 45",
      112, 84, 800, 600, 792, 554, "#CD5281", -10, kS1, 19, "ESC", "ESC", false },
    { "FormVerHart", "Härtekurve angelassener Stirnabschreckproben eines C 45 (Austenitisierungstemperatur 880°C) ",
      112, 84, 800, 600, 792, 554, "#CD5281", -11, kS1, 19, "ESC", "ESC", false },
    { "FormBildC01", "Gefügeaufnahme Stahl mit 0,1 % Kohlenstoff",
      312, 219, 400, 330, 392, 284, "#D30562", -11, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormBildC02", "Gefügeaufnahme Stahl mit 0,2 % Kohlenstoff",
      312, 219, 400, 330, 392, 284, "#D30562", -11, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormBildC03", "Gefügeaufnahme Stahl mit 0,3 % Kohlenstoff",
      312, 219, 400, 330, 392, 284, "#D30562", -11, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormBildC04", "Gefügeaufnahme Stahl mit 0,4 % Kohlenstoff",
      312, 219, 400, 330, 392, 284, "#D30562", -11, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormBildC05", "Gefügeaufnahme Stahl mit 0,5 % Kohlenstoff",
      312, 219, 400, 330, 392, 284, "#D30562", -11, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormBildC06", "Gefügeaufnahme Stahl mit 0,6 % Kohlenstoff",
      312, 219, 400, 330, 392, 284, "#D30562", -11, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormBildC07", "Gefügeaufnahme Stahl mit 0,7 % Kohlenstoff",
      312, 219, 400, 330, 392, 284, "#D30562", -11, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormBildC08", "Gefügeaufnahme Stahl mit 0,8 % Kohlenstoff",
      312, 219, 400, 330, 392, 284, "#D30562", -11, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormBildFe", "Gefügeaufnahme Ferrit",
      312, 219, 400, 330, 392, 284, "#D30562", -11, kS1, 18, "ESCAPE", "ESCAPE", false },
    { "FormInfo", "Information",
      162, 134, 700, 500, 692, 454, "#D70000", -10, "", 0, "ESC1", "ESC", false },
    // The explorers, after the lessons.
    { "FormErkundenZu", "Zustandsschaubilder erkunden",
      112, 84, 800, 600, 792, 554, "#D30562", -11,
      "Pfeiltasten: Punkt bewegen (mit Umschalttaste um 10), Eingabetaste: Legierung wählen, Alt+A: Abkühlen, "
      "Leertaste: Pause, ESC = Abbruch", 18, "ESCAPE", "ESCAPE", false },
    { "FormErkundenEKD", "Eisen-Kohlenstoff-Schaubild erkunden",
      112, 84, 800, 600, 792, 554, "#D30562", -11,
      "Punkt: Maus, Pfeiltasten (Umschalttaste: zehnfache Schritte), Eingabe + Enter  /  Klick: Legierung wählen  /  Leertaste: Pause  /  ESC = Abbruch",
      18, "ESCAPE", "ESCAPE", false },
    { "FormErkundenZTU", "Abkühlung selbst wählen",
      112, 84, 800, 600, 792, 554, "#D30562", -11,
      "Pfeiltasten am Schieber ändern die Abkühlgeschwindigkeit / Tab = nächstes Feld / Menü Abkühlung: Art der "
      "Abkühlung / ESC = Abbruch", 18,
      "ESCAPE", "ESCAPE", false },
    { "FormStahlrechner", "Stahlrechner",
      112, 84, 800, 600, 792, 554, "#D30562", -11,
      "Zahlen mit Komma oder Punkt, jede Eingabe rechnet sofort neu / Tab = nächstes Feld / ESC = Abbruch", 18,
      "ESCAPE", "ESCAPE", false },
};

// In the order of the menu bar.
const std::vector<Command> kCommands = {
    { "AllgemeinesZU", "FormAllZu" },
    { "AllgemeineszumAufstellen1", "FormEntZu" },
    { "AbTyp1", "FormAbZuTyp1" },
    { "AbTyp2", "FormAbZuTyp2" },
    { "Typ1", "FormZuTyp1" },
    { "Typ2", "FormZuTyp2" },
    { "Typ3", "FormZuTyp3" },
    { "Typ4", "FormZuTyp4" },
    { "Typ5", "FormZuTyp5" },
    { "Typ6", "FormZuTyp6" },
    { "AllgemeinesEKD", "FormAllEKD" },
    { "Reineisen", "FormReineisen" },
    { "EKDGesamt", "FORMEKDGESAMT" },
    { "EKDmetastabilAustenitFerritPerlit1", "FORMEKDMETASTABIL" },
    { "EKSmetastabilGefgebilder1", "FormEKDBilder" },
    { "C06", "FormEKD06" },
    { "C12", "FormEKD12" },
    { "C30", "FormEKD30" },
    { "AllZeit", "FormZeitAb" },
    { "ZTAZTU", "FormALLZTAZTU" },
    { "ZTAcon045", "FormZTAcon045" },
    { "ZTAcon07", "FormZTAcon07" },
    { "ZTAiso045", "FormZTAiso045" },
    { "ZTUcon045", "FormZTUcon045" },
    { "ZTUcon07", "FormZTUcon07" },
    { "ZTUiso045", "FormZTUi045" },
    { "ZTUiso07", "FormZTUi07" },
    { "Definition", "FormWarme" },
    { "ZTAZTUSchaubildC0451", "FormZTAZTU045" },
    { "Temperatufhrung", "FormZTAZTU" },
    { "Glhverfahren1", "FormGlueh" },
    { "Normal", "FormNormal" },
    { "Haerten", "FormHaerten" },
    { "Vergten", "FormVergueten" },
    { "GefgeC451", "FormLMC45" },
    { "Vergtungsschaubild1", "FormVerSch" },
    { "Haertekurven1", "FormVerHart" },
    { "ErkundenZu", "FormErkundenZu" },
    { "ErkundenEKD", "FormErkundenEKD" },
    { "ErkundenZTU", "FormErkundenZTU" },
    { "Stahlrechner", "FormStahlrechner" },
    { "Info", "FormInfo" },
};

const std::vector<std::string> kPageForms = {
    "FormAllZu", "FormEntZu", "FormAbZuTyp1", "FormAbZuTyp2",
    "FormZuTyp1", "FormZuTyp2", "FormZuTyp3", "FormZuTyp4",
    "FormZuTyp5", "FormZuTyp6", "FormAllEKD", "FormReineisen",
    "FORMEKDGESAMT", "FORMEKDMETASTABIL", "FormEKD06", "FormEKD12",
    "FormEKD30", "FormZeitAb", "FormALLZTAZTU", "FormZTAcon07",
    "FormZTAcon045", "FormZTAiso045", "FormZTUcon07", "FormZTUcon045",
    "FormZTUi045", "FormZTUi07", "FormWarme", "FormZTAZTU045",
    "FormZTAZTU", "FormHaerten", "FormNormal", "FormVergueten",
    "FormErkundenZu",
    "FormErkundenEKD",
    "FormErkundenZTU",
    "FormStahlrechner",
};
// clang-format on

const FormRow& formRow(const std::string& name)
{
    for (const FormRow& row : kForms)
        if (name == row.name)
            return row;
    // A real check in every build: a test that names a form the table lacks fails here.
    throw std::invalid_argument("no form named " + name + " in the table of all forms");
}

ScriptResult runProgram(const std::string& script)
{
    return wbtest::runProgram(script);
}

QJsonObject component(const QJsonObject& state, const QString& name)
{
    for (const QJsonValue& c : state.value(QStringLiteral("components")).toArray())
        if (c.toObject().value(QStringLiteral("name")).toString() == name)
            return c.toObject();
    return {};
}

std::vector<std::string> names(const QJsonArray& array)
{
    std::vector<std::string> out;
    for (const QJsonValue& v : array)
        out.push_back(v.toString().toStdString());
    return out;
}

} // namespace shelltest
