// The Qt side of a form: its top-level window with the menu bar.
#include "FormWindow.h"

#include "Application.h"
#include "Fonts.h"
#include "Forms.h"
#include "Menus.h"
#include "SurfaceWidget.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>

namespace wb {

FormWindow::FormWindow(TForm* form)
    : QWidget(nullptr, Qt::Window)
    , m_form(form)
    , m_client(new SurfaceWidget(form, this))
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAutoFillBackground(false);
}

void FormWindow::layoutChildren(int clientWidth, int clientHeight, int menuHeight, int inset)
{
    if (m_menuBar) {
        m_menuBar->setGeometry(inset, inset, clientWidth, menuHeight);
        m_menuBar->setVisible(menuHeight > 0);
    }
    m_client->setGeometry(inset, inset + menuHeight, clientWidth, clientHeight);
    if (!isWindow() || !isVisible())
        resize(clientWidth + 2 * inset, menuHeight + clientHeight + 2 * inset);
}

void FormWindow::addItems(QWidget* into, const std::vector<TMenuItem*>& items)
{
    for (TMenuItem* item : items) {
        QAction* action;
        if (!item->Items().empty()) {
            auto* menu = new QMenu(item->Caption(), into);
            menu->setFont(menuFont());
            addItems(menu, item->Items());
            action = menu->menuAction();
        } else {
            action = new QAction(into);
            connect(action, &QAction::triggered, this, [this, item] {
                if (m_form->acceptsMouse())
                    item->Click();
            });
        }
        into->addAction(action);
        m_actions.insert(item, action);
        updateMenuItem(item);
    }
}

void FormWindow::rebuildMenu()
{
    if (!m_form->Menu())
        return;
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(this);
        m_menuBar->setNativeMenuBar(false);
    }
    m_menuBar->setFont(menuFont());
    m_menuBar->clear();
    m_actions.clear();
    addItems(m_menuBar, m_form->Menu()->Items());
}

QFont FormWindow::menuFont() const
{
    return fonts::qfontFor(TFont(), m_form->zoom());
}

void FormWindow::zoomChanged()
{
    if (!m_menuBar)
        return;
    m_menuBar->setFont(menuFont());
    for (QMenu* menu : m_menuBar->findChildren<QMenu*>())
        menu->setFont(menuFont());
}

void FormWindow::updateMenuItem(TMenuItem* item)
{
    QAction* a = m_actions.value(item);
    if (!a)
        return;
    const QString shortcut = item->shortCutText();
    a->setText(shortcut.isEmpty() || !item->Items().empty() ? item->Caption()
                                                            : item->Caption() + QLatin1Char('\t') + shortcut);
    a->setVisible(item->Visible());
    a->setEnabled(item->Enabled());
}

void FormWindow::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (e->spontaneous())
        m_form->userResized(e->size());
}

void FormWindow::closeEvent(QCloseEvent* e)
{
    // Only the title-bar close box (or the window manager) closes the window this way; the
    // form decides, and refuses while it is disabled or under a modal form.
    e->ignore();
    m_form->closeBox();
}

void FormWindow::changeEvent(QEvent* e)
{
    // A tool window or a modal form is never minimised or maximised, whatever the window
    // manager offers: a minimised modal form would leave its owner looking normal but dead.
    if (e->type() == QEvent::WindowStateChange) {
        // (A modal form over visible forms: the main menu over nothing may be minimised.)
        const bool ownerShown = m_form->isModal() && Application.zOrder().size() > 1;
        const bool fixedState = m_form->BorderStyle() != bsSizeable || ownerShown;
        const Qt::WindowStates unwanted
            = m_form->BorderStyle() == bsSizeable ? Qt::WindowMinimized : Qt::WindowMinimized | Qt::WindowMaximized;
        if (fixedState && (windowState() & unwanted) && !(m_form->Maximized() && m_form->BorderStyle() == bsNone)) {
            setWindowState(windowState() & ~unwanted);
            QWidget::changeEvent(e);
            return;
        }
    }
    // Clicking a window under a modal form brings the modal form back to the front.
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && m_form->isBlocked()) {
        if (TForm* top = Application.topForm(); top && top->window() != this) {
            Application.bringToFront(top);
        }
    }
    QWidget::changeEvent(e);
}

} // namespace wb
