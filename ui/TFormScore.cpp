#include "TFormScore.h"

#include "HandlerGuard.h"
#include "TFormMain.h"
#include "TSession.h"
#include "TFrogButton.h"
#include "UiResources.h"

TFormScore* FormScore = nullptr;

TFormScore::TFormScore(QWidget* parent)
    : TSkinnedForm(parent, QSize(306, 325), SmallOutline(324), std::nullopt, false)
{
    FormScore = this;
    setWindowTitle("HighScores");
    QFont f("MS Sans Serif");
    f.setPixelSize(11);
    setFont(f);
    CreateControls();
    RunHandler([this] { FormCreate(); });
}

TFormScore::~TFormScore()
{
    if (FormScore == this)
        FormScore = nullptr;
}

void TFormScore::CreateControls()
{
    elbtClose = new TFrogButton(this);
    elbtClose->setGeometry(173, 280, 71, 24);
    elbtClose->setTransparent(true);
    ApplyPlates(*elbtClose, Plate::Score);
    elbtClose->setText(" Close");
    elbtClose->setXOffset(19);
    elbtClose->setYOffset(7);
    connect(elbtClose, &TFrogButton::clicked, this, [this] { RunHandler([this] { elbtCloseClick(); }); });
}

void TFormScore::FormCreate()
{
    if (FormMain)
        CentreOver(*FormMain);
    PrepareBackground(Session.DataFile("\\pics\\panel3.jpg"), QSize(306, 325));
}

void TFormScore::elbtCloseClick() { hide(); }
