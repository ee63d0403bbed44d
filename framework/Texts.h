// Texts the user sees, as translatable data. A text is marked where it is declared, with the
// context its translation is found under and its German source:
//
//     TMenuItem Start { MainMenu1, QStringLiteral("Start"), WB_TR("FormZuTyp1", "&Start/Stop"), ... };
//     constexpr const char* kMemo[] = { WB_TR("FormZuTyp1", "Die Legierung ..."), ... };
//     constexpr TextAt kLabels[] = { { 110, 126, WB_TR("FormZuTyp1", "Schmelze") }, ... };
//
// and translated where it is shown: form and menu captions, labels, panels, buttons, status
// bars, memo lines, message boxes and every TextOut of the canvas go through `texts::shown`. Qt's
// lupdate finds the marks when told that WB_TR is QT_TRANSLATE_NOOP
// (`lupdate -tr-function-alias QT_TRANSLATE_NOOP+=WB_TR`; the build's `translations_ts` target
// does so). With no translation installed every text is shown as its German source, letter for
// letter. A marked text is an ordinary string literal that carries its context in front of its
// source, so a table of `const char*` or a QString takes it as it is.
#pragma once

#include <QString>

// A text marked for translation: its context (a form's name, or the shared table's) and its
// German source, both string literals.
#define WB_TR(context, source) "\x1d" context "\x1d" source

namespace wb::texts {

// The character that starts a marked text and ends its context.
inline constexpr char16_t kMark = u'\x1d';

// Whether a text carries a mark (and so a context).
inline bool isMarked(const QString& text)
{
    return !text.isEmpty() && text.front() == kMark;
}

// What the user sees of a text: a marked text translated in its context by the translators
// installed, its German source when none has it; any other text (a number, what the user typed,
// a text put together at run time) as it is.
QString shown(const QString& text);
QString shown(const char* text);

// The German source of a text, without its mark and context.
QString source(const QString& text);
// The context of a marked text, empty for any other.
QString context(const QString& text);

// Each time Qt's translators change (QEvent::LanguageChange), `changed` runs: the application
// makes every form show its texts again in the new language. Installed once.
void watchLanguage(void (*changed)());

} // namespace wb::texts
