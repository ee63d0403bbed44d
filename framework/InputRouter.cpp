// Qt's key presses handed to the forms once, and the mouse kept away from forms that take none.
#include "InputRouter.h"

#include "FormWindow.h"
#include "Forms.h"
#include "Zoom.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

namespace wb {

namespace {

// Turns Qt key presses on form windows into the form's own key handling (shortcuts of hidden
// items included, which Qt would drop), and keeps mouse input away from forms that do not
// take it (disabled, or under a modal form).
class InputRouter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget)
            return false;
        auto* window = qobject_cast<FormWindow*>(widget->window());
        if (!window)
            return false;
        TForm* form = window->form();
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            return !form->acceptsMouse();
        case QEvent::ShortcutOverride: {
            // Alt+letter opens the menu bar: not on a locked form.
            auto* ke = static_cast<QKeyEvent*>(event);
            if ((ke->modifiers() & Qt::AltModifier) && !form->acceptsMouse()) {
                event->accept();
                return true;
            }
            return false;
        }
        case QEvent::KeyPress: {
            // A key the focus widget leaves unaccepted travels on to its parents as the same
            // event, through this filter again: the form takes it once, at its first receiver.
            // Twice, a lesson's "any key" would start its animation and stop it again.
            QWidget* first = QApplication::focusWidget() ? QApplication::focusWidget() : widget->window();
            if (widget != first)
                return false;
            auto* ke = static_cast<QKeyEvent*>(event);
            // Ctrl + Plus, Ctrl + Minus and Ctrl + 0 zoom the whole program, over any form. Up to
            // the step at which the windows fit the screen: beyond it the window manager would
            // squeeze the main menu and push lessons off the screen.
            if (ke->modifiers() & Qt::ControlModifier) {
                const int k = ke->key();
                if (k == Qt::Key_Plus || k == Qt::Key_Equal) {
                    zoom::setCurrent(std::min(zoom::stepUp(zoom::current()), zoom::defaultStep()));
                    return true;
                }
                if (k == Qt::Key_Minus) {
                    zoom::setCurrent(zoom::stepDown(zoom::current()));
                    return true;
                }
                if (k == Qt::Key_0) {
                    zoom::setCurrent(zoom::defaultStep());
                    return true;
                }
            }
            if (form->isBlocked())
                return true;
            if ((ke->modifiers() & Qt::AltModifier) && !form->acceptsMouse())
                return true;
            const int vk = virtualKey(ke);
            if (vk == 0)
                return false;
            TShiftState shift;
            shift.shift = ke->modifiers() & Qt::ShiftModifier;
            shift.ctrl = ke->modifiers() & Qt::ControlModifier;
            shift.alt = ke->modifiers() & Qt::AltModifier;
            return form->pressKey(vk, shift);
        }
        default:
            return false;
        }
    }

    static int virtualKey(const QKeyEvent* ke)
    {
        const int k = ke->key();
        if (k >= Qt::Key_A && k <= Qt::Key_Z)
            return 'A' + (k - Qt::Key_A);
        if (k >= Qt::Key_0 && k <= Qt::Key_9)
            return '0' + (k - Qt::Key_0);
        if (k >= Qt::Key_F1 && k <= Qt::Key_F12)
            return VK_F1 + (k - Qt::Key_F1);
        switch (k) {
        case Qt::Key_Escape:
            return VK_ESCAPE;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return VK_RETURN;
        case Qt::Key_Space:
            return VK_SPACE;
        case Qt::Key_Backspace:
            return VK_BACK;
        case Qt::Key_Tab:
            return VK_TAB;
        case Qt::Key_Left:
            return VK_LEFT;
        case Qt::Key_Right:
            return VK_RIGHT;
        case Qt::Key_Up:
            return VK_UP;
        case Qt::Key_Down:
            return VK_DOWN;
        case Qt::Key_Shift:
            return VK_SHIFT;
        case Qt::Key_Control:
            return VK_CONTROL;
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
            return VK_MENU;
        default:
            return 0;
        }
    }
};

} // namespace

QObject& inputRouter()
{
    static InputRouter router;
    return router;
}

} // namespace wb
