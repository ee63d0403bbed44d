// Qt key events on a form's window, through the application's input filter as the program
// installs it: a key reaches the form once, whichever widget receives it first.
#include "framework/InputRouter.h"

#include "framework/FormAccess.h"
#include "framework/FormWindow.h"
#include "framework/Forms.h"
#include "framework/Menus.h"
#include "framework/SurfaceWidget.h"
#include "tests/support/Harness.h"

#include <QApplication>
#include <QKeyEvent>

using namespace wb;

namespace {

// A form that counts what its keys do: OnKeyDown with KeyPreview ("any key"), and a hidden
// Esc item.
class KeyForm : public TForm {
public:
    KeyForm()
        : TForm(QStringLiteral("KeyForm"))
    {
        SetBorderStyle(bsToolWindow);
        SetBounds(0, 0, 400, 300);
        SetKeyPreview(true);
        OnKeyDown = [this](int& key, TShiftState) { keys.push_back(key); };
        Escape.OnClick = [this] { ++escapes; };
    }
    TMainMenu Menu1 { this, QStringLiteral("Menu1") };
    TMenuItem Escape { Menu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), VK_ESCAPE, false };
    std::vector<int> keys;
    int escapes = 0;
};

class InputRouting : public ::testing::Test {
protected:
    void SetUp() override
    {
        wbtest::resetApplication();
        form = std::make_unique<KeyForm>();
        form->Show();
        qApp->installEventFilter(&inputRouter());
    }
    void TearDown() override
    {
        qApp->removeEventFilter(&inputRouter());
        form->Hide();
        form.reset();
    }
    // A key press as Qt delivers it to `receiver`; from there it travels up to the window
    // while nobody accepts it.
    static void press(QWidget* receiver, Qt::Key key, const QString& text = {})
    {
        QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(receiver, &e);
    }
    std::unique_ptr<KeyForm> form;
};

} // namespace

TEST_F(InputRouting, AKeyThePictureLeavesUnacceptedReachesTheFormOnce)
{
    // The surface widget does not take keys, so the event goes on to the form's window: the
    // lesson must still see one key press, not two (two would start and stop an animation).
    press(FormAccess::window(*form)->client(), Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(form->keys, std::vector<int> { VK_SPACE });
    press(FormAccess::window(*form), Qt::Key_A, QStringLiteral("a"));
    EXPECT_EQ(form->keys, (std::vector<int> { VK_SPACE, 'A' }));
}

TEST_F(InputRouting, AShortcutRunsItsItemOnce)
{
    press(FormAccess::window(*form)->client(), Qt::Key_Escape);
    EXPECT_EQ(form->escapes, 1);
    EXPECT_TRUE(form->keys.empty()) << "the shortcut took the key";
}
