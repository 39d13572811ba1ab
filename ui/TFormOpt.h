#pragma once

#include "game/BoardSizes.h"
#include "ui/IPlayerSettings.h"
#include "ui/SettingKeys.h"
#include "ui/TSkinnedForm.h"
#include "ui/UiResources.h"

#include <functional>
#include <string>
#include <vector>

enum class Setting;
struct SettingValue;

class QLabel;
class QProgressBar;
class TBitCheckBox;
class TFlatEdit;
class TFrogButton;
class TFrogComboBox;
class GameAudio;
struct RunState;

// The options window. Its controls are the program's live settings: the game,
// the scene and the score window read them through IPlayerSettings.
class TFormOpt : public TSkinnedForm, public IPlayerSettings {
    Q_OBJECT
public:
    // The window is centred over `owner`. `optionsRead` is called once the options
    // are read at creation, with the settings they give: the run's first board is
    // dealt then, its size and scheme coming from here.
    TFormOpt(const RunState& run, GameAudio& audio, const QWidget& owner,
             std::function<void(const IPlayerSettings&)> optionsRead = {}, QWidget* parent = nullptr);
    ~TFormOpt() override;

    void FormCreate();
    void FormActivate();
    void ReadOptions();
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

    bool sizeButtonDown(SizeButton button) const override;
    int schemeIndex() const override;
    bool rotateObjects() const override;
    bool musicOn() const override;
    GameAudio::Bars volumeBars() const override;
    QString playerName() const override;

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

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void NameForAssistiveTechnology();
    QLabel* AddLabel(int left, int top, const QString& text);
    TBitCheckBox* AddCheckBox(int top, const QString& caption);
    TFrogButton* AddImageButton(QRect geometry, Plate plate, void (TFormOpt::*handler)());
    QProgressBar* AddVolumeBar(int top);
    void ChooseSize(TFrogButton* chosen);
    void WriteOptions();
    // How one setting shows in this window: put into its control when the file is
    // read (setting a check box is no click: it neither starts nor stops the music),
    // and taken from it when the file is written.
    struct SettingControl {
        Setting setting;
        std::function<void(const SettingValue&)> load;
        std::function<SettingValue()> current;
    };
    void BindSettings();
    const SettingControl& ControlOf(Setting setting) const;

    const RunState& run_;
    GameAudio& audio_;
    const QWidget& owner_;
    std::function<void(const IPlayerSettings&)> optionsRead_;
    std::vector<SettingControl> settings_;  // one for each key, in the keys' order
    std::string storedName_;  // the name's bytes as the file holds them
    QString storedNameShown_;  // and as the name field showed them
    static void StepBar(QProgressBar& bar, int step);
    void StepSoundVolume(int step);
    void StepMusicVolume(int step);
};
