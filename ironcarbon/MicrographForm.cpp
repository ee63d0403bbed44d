#include "ironcarbon/MicrographForm.h"

#include "resources/Pictures.h"

namespace wb {

TMicrographForm::TMicrographForm(const QString& name, const QString& caption)
    : TLessonForm(name, { .caption = caption, .width = 400, .height = 330, .border = bsSizeToolWin })
{
    pictures::assignJpeg(ImageBild);
    ImageBild.SetAlign(alTop);
}

void TMicrographForm::FormCreate()
{
    // The alignment keeps the height and spans the client width.
    ImageBild.SetBounds(2, 2, 390, 230);
}

} // namespace wb
