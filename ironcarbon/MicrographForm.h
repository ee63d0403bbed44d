// The micrograph windows of the microstructure series: one light micrograph of a steel (or of
// pure iron) above a caption strip, opened without waiting above the series diagram.
#pragma once

#include "framework/Controls.h"
#include "framework/LessonForm.h"
#include "framework/Menus.h"

namespace wb {

class TMicrographForm : public TLessonForm {
public:
    // The photograph, aligned to the top; shown unscaled from its top-left corner.
    TImage ImageBild { this, QStringLiteral("ImageBild") };
    // The caption strip under it: what the picture shows and a scale bar.
    TPaintBox PaintBoxBildFe { this, QStringLiteral("PaintBoxBildFe"), &TMicrographForm::PaintBoxBildFePaint };
    TMainMenu MainMenu1 { this, QStringLiteral("MainMenu1") };
    TMenuItem Ende { MainMenu1, QStringLiteral("Ende"), QStringLiteral("&Ende"), closesForm };
    TMenuItem ESCAPE { MainMenu1, QStringLiteral("ESCAPE"), QStringLiteral("ESCAPE"), closesForm, VK_ESCAPE, false };

protected:
    // `name` is the form's instance name; its picture is "<name>.ImageBild". The strip names
    // the microstructure and writes the scale bar's length, with a gap for the µ.
    TMicrographForm(const QString& name, const QString& caption, const QString& beschriftung, const QString& massstab);

private:
    void FormCreate() override;
    void PaintBoxBildFePaint();

    QString m_beschriftung;
    QString m_massstab;
};

} // namespace wb
