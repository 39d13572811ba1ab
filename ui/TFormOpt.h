#pragma once

#include "ui/PlayerSettings.h"
#include "ui/SettingKeys.h"
#include "ui/TSkinnedForm.h"
#include "ui/UiResources.h"

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QProgressBar;
class TBitCheckBox;
class TFlatEdit;
class TFrogButton;
class TFrogComboBox;
class IGameAudio;
struct RunState;

// The options window: it shows the options in force (PlayerSettings) each
// time it opens, reading the file again, and saves them as it closes.
class TFormOpt : public TSkinnedForm {
    Q_OBJECT
public:
    // The window is centred over `owner`.
    TFormOpt(const RunState& run, IGameAudio& audio, PlayerSettings& settings, const QWidget& owner,
             QWidget* parent = nullptr);
    ~TFormOpt() override;

    void FormCreate();
    void FormActivate();
    // Reads the file again, then shows what it gave.
    void ReadOptions();
    void ShowOptions();
    void elbtCloseClick();
    void rb2012Click();
    void rb1810Click();
    void rb168Click();
    void bcbEnableMusicClick();
    void bcbCalcMovesMouseUp();
    void edPlayerNameMouseDown();
    void btSoundLowClick();
    void btSoundHighClick();
    void btMusicLowClick();
    void btMusicHighClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void CreateVolumeControls();
    void CreateSizeControls();
    void NameForAssistiveTechnology();
    QLabel* AddLabel(int left, int top, const QString& text, int room);
    TBitCheckBox* AddCheckBox(const char* name, int top, const QString& caption);
    TFrogButton* AddImageButton(const char* name, QRect geometry, Plate plate, void (TFormOpt::*handler)());
    QProgressBar* AddVolumeBar(const char* name, int top);
    void ChooseSize(TFrogButton* chosen);
    void WriteOptions();
    // How one setting shows in this window: put into its control when the file is
    // read (setting a check box is no click: it neither starts nor stops the music),
    // and taken from it when the window closes. A setting without a row keeps
    // the value the file gave.
    struct SettingControl {
        Setting setting;
        std::function<void(const SettingValue&)> load;
        std::function<SettingValue()> current;
    };
    void BindSettings();
    static void StepBar(QProgressBar& bar, int step);
    void StepSoundVolume(int step);
    void StepMusicVolume(int step);
    void KeepBars();

    const RunState& run_;
    IGameAudio& audio_;
    PlayerSettings& options_;
    const QWidget& owner_;
    std::vector<SettingControl> settings_;
    QString storedNameShown_;  // the name as the field showed it when read

    QLabel* Label1 = nullptr;
    TFlatEdit* edPlayerName = nullptr;
    TBitCheckBox* cbRotate = nullptr;
    TBitCheckBox* bcbEnableSounds = nullptr;
    TFrogButton* btSoundLow = nullptr;
    QLabel* Image1 = nullptr;
    QProgressBar* ProgressBar2 = nullptr;
    TFrogButton* btSoundHigh = nullptr;
    TBitCheckBox* bcbEnableMusic = nullptr;
    TFrogButton* btMusicLow = nullptr;
    QLabel* Image2 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    TFrogButton* btMusicHigh = nullptr;
    TFrogButton* rb2012 = nullptr;
    QLabel* labWorker = nullptr;
    TFrogButton* rb1810 = nullptr;
    QLabel* labBox = nullptr;
    TFrogButton* rb168 = nullptr;
    QLabel* labWall = nullptr;
    QLabel* Label2 = nullptr;
    TFrogComboBox* cbGameScheme = nullptr;
    TFrogButton* elbtClose = nullptr;
};
