// Memos and their lines.
#include "Memo.h"

#include "Forms.h"
#include "PendingMemos.h"
#include "Texts.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

namespace wb {

void TStrings::Clear()
{
    m_lines.clear();
    m_shown.clear();
    m_changed();
}

void TStrings::Add(const QString& s)
{
    m_lines.append(s);
    m_shown.append(texts::shown(s));
    m_changed();
}

void TStrings::Put(int index, const QString& s)
{
    if (index == m_lines.size()) {
        m_lines.append(s);
        m_shown.append(texts::shown(s));
    } else if (index >= 0 && index < m_lines.size()) {
        m_lines[index] = s;
        m_shown[index] = texts::shown(s);
    }
    m_changed();
}

void TStrings::setList(const QStringList& lines)
{
    m_lines = lines;
    m_shown.clear();
    m_shown.reserve(lines.size());
    for (const QString& line : lines)
        m_shown.append(texts::shown(line));
    m_changed();
}

void TStrings::retranslate()
{
    setList(QStringList(m_lines));
}

void TStrings::setTable(std::span<const char* const> lines)
{
    QStringList list;
    for (const char* line : lines)
        list << QString::fromUtf8(line);
    setList(list);
}

namespace {

// The memo's text field: it takes the memo's pending text before it shows or paints anything,
// or takes input.
class MemoEdit : public QTextEdit {
public:
    std::function<void()> sync;

protected:
    bool event(QEvent* e) override
    {
        if (needsText(e->type()) && sync)
            sync();
        return QTextEdit::event(e);
    }
    bool viewportEvent(QEvent* e) override
    {
        if (needsText(e->type()) && sync)
            sync();
        return QTextEdit::viewportEvent(e);
    }

private:
    static bool needsText(QEvent::Type t)
    {
        switch (t) {
        case QEvent::Show:
        case QEvent::Paint:
        case QEvent::KeyPress:
        case QEvent::FocusIn:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::InputMethod:
            return true;
        default:
            return false;
        }
    }
};

void applyScrollStyle(QTextEdit* edit, TScrollStyle s, bool wordWrap)
{
    const bool h = s == ssHorizontal || s == ssBoth;
    const bool v = s == ssVertical || s == ssBoth;
    edit->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    edit->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    // With a horizontal scroll bar long lines run on instead of wrapping.
    edit->setLineWrapMode(wordWrap && !h ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

} // namespace

TMemo::TMemo(TForm* owner, const QString& name)
    : TWinControl(owner, name)
    , Lines([this] { linesChanged(); })
{
    m_color = clWhite;
}

QWidget* TMemo::makeWidget()
{
    auto* edit = new MemoEdit;
    edit->sync = [this] { syncWidget(); };
    edit->setAcceptRichText(false);
    edit->setFrameShape(m_bordered ? QFrame::Panel : QFrame::NoFrame);
    edit->setFrameShadow(QFrame::Sunken);
    edit->setLineWidth(2);
    edit->document()->setDocumentMargin(1);
    edit->setReadOnly(m_readOnly);
    applyScrollStyle(edit, m_scrollBars, m_wordWrap);
    return edit;
}

void TMemo::widgetMade()
{
    // The lines (and their line height) go in when the memo is next shown, painted or asked for.
    setPending(true);
}

TMemo::~TMemo()
{
    setPending(false);
    if (auto* edit = dynamic_cast<MemoEdit*>(m_widget.data()))
        edit->sync = nullptr;
}

void TMemo::setPending(bool pending)
{
    if (pending == m_textPending)
        return;
    m_textPending = pending;
    if (pending)
        pendingMemos::add(this);
    else
        pendingMemos::remove(this);
}

void TMemo::linesChanged()
{
    setPending(true);
    // A memo on screen takes its text before the next paint; one filled line by line inside a
    // handler still lays it out once.
    if (m_widget && m_widget->isVisible() && !m_syncQueued) {
        m_syncQueued = true;
        QTimer::singleShot(0, m_widget.data(), [this] {
            m_syncQueued = false;
            syncWidget();
        });
    }
}

void TMemo::syncWidget()
{
    // Without its widget yet, the text waits for it.
    auto* edit = qobject_cast<QTextEdit*>(m_widget.data());
    if (!m_textPending || !edit)
        return;
    setPending(false);
    // The text and its line format in one edit: the document is laid out once.
    QTextCursor block(edit->document());
    block.beginEditBlock();
    edit->setPlainText(Lines.list().join(QLatin1Char('\n')));
    layoutLines();
    block.endEditBlock();
    // The explanation is read from its first line: caret and view at the top.
    edit->moveCursor(QTextCursor::Start);
    edit->verticalScrollBar()->setValue(0);
    edit->horizontalScrollBar()->setValue(0);
}

void TMemo::syncPending(bool visibleFormsOnly)
{
    for (TMemo* m : pendingMemos::list())
        if (!visibleFormsOnly || m->Owner()->Visible())
            m->syncWidget();
}

void TMemo::syncPending(const TForm* form)
{
    for (TMemo* m : pendingMemos::list())
        if (m->Owner() == form)
            m->syncWidget();
}

void TMemo::layoutLines()
{
    auto* edit = qobject_cast<QTextEdit*>(m_widget.data());
    if (!edit)
        return;
    // An edit control steps its lines by the font's cell height and keeps a one-pixel margin;
    // with these metrics a memo holds as many lines as it was laid out for.
    edit->document()->setDocumentMargin(1);
    QTextBlockFormat format;
    format.setLineHeight(fonts::resolve(Font).cellHeight * Owner()->zoom(), QTextBlockFormat::FixedHeight);
    QTextCursor cursor(edit->document());
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(format);
}

void TMemo::languageChanged()
{
    Lines.retranslate();
}

void TMemo::fontChanged()
{
    TWinControl::fontChanged();
    // Pending text takes the new line height with it; text already shown is laid out again.
    if (m_textPending)
        return;
    layoutLines();
    if (auto* edit = qobject_cast<QTextEdit*>(m_widget.data())) {
        edit->moveCursor(QTextCursor::Start);
        edit->verticalScrollBar()->setValue(0);
        edit->horizontalScrollBar()->setValue(0);
    }
}

void TMemo::SetReadOnly(bool on)
{
    m_readOnly = on;
    if (auto* edit = qobject_cast<QTextEdit*>(m_widget.data()))
        edit->setReadOnly(on);
}

void TMemo::SetScrollBars(TScrollStyle s)
{
    m_scrollBars = s;
    if (auto* edit = qobject_cast<QTextEdit*>(m_widget.data()))
        applyScrollStyle(edit, m_scrollBars, m_wordWrap);
}

void TMemo::SetWordWrap(bool on)
{
    m_wordWrap = on;
    SetScrollBars(m_scrollBars);
}

void TMemo::SetBordered(bool on)
{
    m_bordered = on;
    if (auto* edit = qobject_cast<QTextEdit*>(m_widget.data()))
        edit->setFrameShape(on ? QFrame::Panel : QFrame::NoFrame);
}

} // namespace wb
