#include "ui/UiResources.h"

#include "controls/ControlsResources.h"
#include "platform/FrameworkError.h"
#include "controls/TFrogButton.h"
#include "controls/TFrogComboBox.h"

namespace {
const char* PlateName(Plate plate)
{
    switch (plate) {
    case Plate::Main:
        return "btn71x25";
    case Plate::Score:
        return "btn71x24";
    case Plate::OptionsClose:
        return "btn86x24";
    case Plate::VolumeDown:
        return "vol_down";
    case Plate::VolumeUp:
        return "vol_up";
    case Plate::SizeChoice:
        return "size_choice";
    case Plate::HintGem:
        return "hint_gem";
    }
    return "";
}

QImage StateImage(const QString& base, const char* state) { return DesignImage(QString("%1_%2").arg(base, state)); }
}  // namespace

QImage DesignImage(const QString& name)
{
    InitUiResources();
    const QImage image = LoadPicture(QString(":/ui/%1.png").arg(name));
    if (image.isNull())
        throw FrameworkError("Design picture \"" + name.toStdString() + "\" is missing");
    return image;
}

void ApplyPlates(TFrogButton& button, Plate plate)
{
    const QString base = PlateName(plate);
    button.setMainPict(StateImage(base, "normal"));
    button.setMOverPict(StateImage(base, "over"));
    button.setPressPict(StateImage(base, "pressed"));
}

void ApplyComboPictures(TFrogComboBox& combo)
{
    combo.setMainPict(StateImage("combo", "normal"));
    combo.setMOverPict(StateImage("combo", "over"));
    combo.setPressPict(StateImage("combo", "pressed"));
}

void InitUiResources()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    Q_INIT_RESOURCE(ui);
}
