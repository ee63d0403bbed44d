#include "LessonForm.h"

#include "Application.h"
#include "Menus.h"
#include "Timers.h"

namespace wb {

TLessonForm::TLessonForm(const QString& name, const LessonLook& look)
    : TForm(name)
    , StatusBarHint(this, look.statusName)
    , m_look(look)
{
    SetCaption(look.caption);
    SetBorderStyle(look.border);
    SetColor(look.color);
    Font.SetName(QStringLiteral("MS Sans Serif"));
    Font.SetHeight(look.fontHeight);
    SetBounds(Left(), Top(), look.width, look.height);
    StatusBarHint.SetColor(look.statusColor);
    StatusBarHint.Font.SetName(QStringLiteral("MS Sans Serif"));
    StatusBarHint.Font.SetHeight(look.statusFontHeight);
    StatusBarHint.Font.SetBold(look.statusBold);
    StatusBarHint.SetHeight(look.statusHeight);
    StatusBarHint.SetSimpleText(look.status);
}

void TLessonForm::SizeAndCentre()
{
    SetWidth(m_look.width);
    SetHeight(m_look.height);
    // Integer division truncates toward zero, as the centring always did (a screen smaller
    // than the form gives a negative offset that is not rounded down).
    SetLeft((Screen.Width() - Width()) / 2);
    SetTop((Screen.Height() - Height()) / 2);
}

void TLessonForm::StopTimers()
{
    for (TComponent* c : components())
        if (auto* timer = dynamic_cast<TTimer*>(c))
            timer->SetEnabled(false);
}

void TLessonForm::LockRun(std::initializer_list<TMenuItem*> startItems)
{
    for (TMenuItem* item : startItems)
        item->SetEnabled(false);
    SetEnabled(false);
    SetBusy(true);
}

void TLessonForm::UnlockRun(std::initializer_list<TMenuItem*> startItems)
{
    for (TMenuItem* item : startItems)
        item->SetEnabled(true);
    SetEnabled(true);
    SetBusy(false);
}

void TLessonForm::ToggleText(TMemo& memo)
{
    memo.SetVisible(!memo.Visible());
}

void TLessonForm::beforeCreate()
{
    if (m_look.centring == Centring::OnCreate)
        SizeAndCentre();
}

void TLessonForm::beforePaint()
{
    if (m_look.centring == Centring::OnPaint)
        SizeAndCentre();
}

} // namespace wb
