// Memos: their lines (Clear, Add, Lines[i] := s) and the text field they are laid out in, once
// per fill.
#pragma once

#include "WinControl.h"

#include <QStringList>
#include <functional>
#include <span>

namespace wb {

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TStrings {
public:
    explicit TStrings(std::function<void()> changed)
        : m_changed(std::move(changed))
    {
    }
    void Clear();
    void Add(const QString& s);
    // Lines[i] := s; i = Count appends.
    void Put(int index, const QString& s);
    // The lines as shown: marked texts in the language in force (texts::tr), the others as given.
    const QString& operator[](int index) const { return m_shown.at(index); }
    int Count() const { return int(m_lines.size()); }
    const QStringList& list() const { return m_shown; }
    void setList(const QStringList& lines);
    // All lines at once from a lesson's table of UTF-8 texts (marked with WB_TR or not).
    void setTable(std::span<const char* const> lines);
    // The language changed: the lines are shown anew.
    void retranslate();

private:
    QStringList m_lines; // as given
    QStringList m_shown;
    std::function<void()> m_changed;
};

// A memo lays its text out once per fill: changing the lines only marks the text pending, and
// it is put into the widget (and laid out) when the memo is next painted or shown, when its
// form's repaint ends or its paints are flushed, or when someone asks for the widget.

class TMemo : public TWinControl {
public:
    TMemo(TForm* owner, const QString& name);
    ~TMemo() override;
    QString kind() const override { return QStringLiteral("memo"); }

    TStrings Lines;
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool on);
    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle s);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool on);
    // A sunken frame (the default) or none.
    bool Bordered() const { return m_bordered; }
    void SetBordered(bool on);

    // Framework: puts the pending text of every memo (of visible forms only, or of one form)
    // into its widget.
    static void syncPending(bool visibleFormsOnly);
    static void syncPending(const TForm* form);

protected:
    void syncWidget() override;
    QWidget* makeWidget() override;
    void widgetMade() override;

private:
    void linesChanged();
    void layoutLines();
    void languageChanged() override;
    void fontChanged() override;
    void setPending(bool pending);
    bool m_textPending = false;
    bool m_syncQueued = false;
    bool m_readOnly = false;
    TScrollStyle m_scrollBars = ssNone;
    bool m_wordWrap = true;
    bool m_bordered = true;
};

} // namespace wb
