// Texts the user sees: the one path that translates them.
#include "Texts.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace wb::texts {

namespace {

// Splits a marked text into its context and source (both UTF-8, as the translators take them).
bool split(const QString& text, QByteArray* ctx, QString* src)
{
    if (!isMarked(text))
        return false;
    const qsizetype end = text.indexOf(kMark, 1);
    if (end < 0)
        return false;
    *ctx = text.mid(1, end - 1).toUtf8();
    *src = text.mid(end + 1);
    return true;
}

class LanguageWatcher : public QObject {
public:
    explicit LanguageWatcher(void (*changed)())
        : m_changed(changed)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        // Every event of the program passes here: the cheap test first.
        if (e->type() == QEvent::LanguageChange && watched == QCoreApplication::instance() && m_changed)
            m_changed();
        return false;
    }

private:
    void (*m_changed)();
};

} // namespace

QString shown(const QString& text)
{
    QByteArray ctx;
    QString src;
    if (!split(text, &ctx, &src))
        return text;
    return QCoreApplication::translate(ctx.constData(), src.toUtf8().constData());
}

QString shown(const char* text)
{
    if (!text)
        return {};
    // The common case, an unmarked text, without building the string twice.
    if (text[0] != char(kMark))
        return QString::fromUtf8(text);
    return shown(QString::fromUtf8(text));
}

QString source(const QString& text)
{
    QByteArray ctx;
    QString src;
    return split(text, &ctx, &src) ? src : text;
}

QString context(const QString& text)
{
    QByteArray ctx;
    QString src;
    return split(text, &ctx, &src) ? QString::fromUtf8(ctx) : QString();
}

void watchLanguage(void (*changed)())
{
    static LanguageWatcher* watcher = nullptr;
    if (watcher || !QCoreApplication::instance())
        return;
    watcher = new LanguageWatcher(changed);
    watcher->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(watcher);
}

} // namespace wb::texts
