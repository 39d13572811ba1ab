#pragma once

#include "audio/IGameAudio.h"
#include "ui/IPlayerSettings.h"
#include "ui/SettingKeys.h"

#include <QString>

#include <array>
#include <string>
#include <vector>

// The options in force, read from and saved to the player's "s3d.ini" without
// any window: the first board is dealt from them before the options window
// exists, and that window only shows and edits them.
class PlayerSettings : public IPlayerSettings {
public:
    // Reading puts the sound switch and the song to play in `audio`.
    PlayerSettings(QString iniPath, IGameAudio& audio);

    // The file's values, or each key's default; with no size chosen the next
    // deal would be an empty board, so the smallest field stands in.
    void Load();
    // Writes each key on its own, so one that cannot be written costs no other;
    // returns the distinct causes of the writes refused.
    std::vector<std::string> Save() const;

    const SettingValue& Value(Setting setting) const { return values_[Index(setting)]; }
    void Set(Setting setting, SettingValue value) { values_[Index(setting)] = std::move(value); }
    bool Flag(Setting setting) const { return Value(setting).number != 0; }

    // Not kept in the file: they last for the run.
    void SetRotate(bool on) { rotate_ = on; }
    void SetBars(IGameAudio::Bars bars) { bars_ = bars; }

    bool sizeButtonDown(SizeButton button) const override;
    int schemeIndex() const override { return Value(Setting::Scheme).number; }
    bool rotateObjects() const override { return rotate_; }
    bool musicOn() const override { return Flag(Setting::EnableMusic); }
    IGameAudio::Bars volumeBars() const override { return bars_; }
    QString playerName() const override { return QString::fromStdString(Value(Setting::PlayerName).text); }
    bool parSearch() const override { return Flag(Setting::ParSearch); }

private:
    static std::size_t Index(Setting setting) { return static_cast<std::size_t>(setting); }

    QString iniPath_;
    IGameAudio& audio_;
    std::array<SettingValue, kSettingCount> values_;
    bool rotate_ = true;
    IGameAudio::Bars bars_;
};
