// What the steel calculator reads and writes as text: the input fields with their ranges, numbers
// typed with a point or a comma, German numbers in the outputs, and the notes on the models.
#pragma once

#include "steel/Calculator.h"
#include "steel/Composition.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

namespace wb::stahlrechner {

// An input field of the window: what it sets, its label and the values it takes.
struct Eingabefeld {
    steel::Element element;
    const char* editName;
    const char* label;
    double min, max;
    const char* einheit; // "%" or "" (the grain size number)
};

// C, Si, Mn, Cr, Ni, Mo, Cu, V in mass %, then the ASTM grain size number.
extern const std::array<Eingabefeld, 9> kEingaben;

// The number a text is: blanks around it allowed, a point or a comma (once) as the decimal
// separator, a sign; nothing for anything else (letters, "nan", two separators, an empty text).
std::optional<double> leseZahl(const QString& text);

enum class Lesart {
    Zahl, // a number in the field's range
    Unvollstaendig, // empty, or only a sign or a separator: the student is still typing
    KeineZahl,
    AusserhalbBereich,
};
struct Gelesen {
    Lesart art;
    double wert = 0;
};
Gelesen lies(const Eingabefeld& feld, const QString& text);

// The message box's text for a text that is no number or out of the field's range.
QString meldung(const Eingabefeld& feld, const QString& text, Lesart art);

// A number with a decimal comma, `stellen` places (trailing zeros of the places dropped when
// `kuerzen`): how the window writes contents, temperatures and hardness.
QString zahl(double value, int stellen, bool kuerzen = false);
// A content as the input fields show it: up to three places, no trailing zeros ("0,46", "1", "0,225").
QString gehalt(double value);

// An output: the number, whole, with " *" when its model's range is left (the notes say why).
QString ausgabe(const steel::Flagged<double>& value, int stellen = 0);

// The notes for the window: first every range the composition leaves, each line naming the model,
// "außerhalb des Gültigkeitsbereichs" and the element with its value and the range; then the models
// in use with their ranges and what must be said about them.
QStringList hinweise(const steel::Composition& composition, const steel::CalculatorReport& report);

// The lines broken at blanks so that each is at most `breite` wide as `messen` measures it (a word
// wider than that stands alone); empty lines stay.
QStringList umbrechen(const QStringList& zeilen, const std::function<int(const QString&)>& messen, int breite);

// A model's range in words: "C 0,1–0,5 %, Si 0–1 %, …".
QString bereichText(steel::Model model);

// A time in seconds with two significant places: "0,35 s", "12 s", "1200 s", "3,4·10⁵ s".
QString zeitText(double seconds);

} // namespace wb::stahlrechner
