#pragma once

#include "TSkinnedForm.h"

class TFrogButton;

// The high-score window.
class TFormScore : public TSkinnedForm {
    Q_OBJECT
public:
    explicit TFormScore(QWidget* parent = nullptr);
    ~TFormScore() override;

    void FormCreate();
    void elbtCloseClick();

    TFrogButton* elbtClose = nullptr;

private:
    void CreateControls();
};

extern TFormScore* FormScore;
