// Thin adapters over Qt's own widgets: the edit field, the push button and the scroll bar. Each
// keeps its state until its widget is made and hands the user's input to its event.
#pragma once

#include "WinControl.h"

#include <functional>

namespace wb {

class TEdit : public TWinControl {
public:
    TEdit(TForm* owner, const QString& name);
    QString kind() const override { return QStringLiteral("edit"); }

    QString Text() const;
    void SetText(const QString& text);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool on);

    std::function<void()> OnChange;

    bool hasText() const override { return true; }
    QString text() const override { return Text(); }

    // Framework: the text as a user typing it would leave it.
    void typeText(const QString& text);

protected:
    QWidget* makeWidget() override;

private:
    // A Qt line edit's default length limit.
    static constexpr int kMaxLength = 32767;
    bool m_readOnly = false;
    QString m_text; // until the Qt field is made
};

class TButton : public TWinControl {
public:
    TButton(TForm* owner, const QString& name);
    QString kind() const override { return QStringLiteral("button"); }

    // The caption in the language in force (texts::tr).
    QString Caption() const;
    void SetCaption(const QString& caption);
    std::function<void()> OnClick;

    bool hasText() const override { return true; }
    QString text() const override { return Caption(); }

    // Framework: a press as the user makes it (refused by the caller when disabled).
    void press();

protected:
    QWidget* makeWidget() override;

private:
    void languageChanged() override;
    QString m_caption;
};

class TScrollBar : public TWinControl {
public:
    TScrollBar(TForm* owner, const QString& name);
    QString kind() const override { return QStringLiteral("scrollbar"); }

    int Position() const { return m_position; }
    void SetPosition(int p);
    int Min() const { return m_min; }
    int Max() const { return m_max; }
    void SetMin(int v);
    void SetMax(int v);
    void SetSmallChange(int v);
    void SetLargeChange(int v);

    // Called with the new position whenever the user moves the bar.
    std::function<void(int position)> OnScroll;

    // Framework: a move by the user to `position`.
    void scrollTo(int position);

protected:
    QWidget* makeWidget() override;
    void widgetMade() override;

private:
    void syncWidget() override;
    int m_position = 0;
    int m_min = 0;
    int m_max = 100;
    int m_smallChange = 1;
    int m_largeChange = 1;
    bool m_syncing = false;
};

} // namespace wb
