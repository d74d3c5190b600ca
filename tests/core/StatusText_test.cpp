// The two status lines of the bar and the picture-kind reset.
#include "FormFixture.h"

#include "base/StatusText.h"

#include <QLabel>

class StatusText : public FormFixture {};

TEST_F(StatusText, LinesAreCutTo95CharactersAndKindsResetBeforeTheLastSlot) {
    state().statusLine1 = QString(120, 'a');
    state().statusLine2 = "second";
    ShowStatusText(form().state, form().parts().bar.whoWeAre);
    EXPECT_EQ(state().statusLine1, QString(95, 'a'));
    EXPECT_EQ(form().parts().bar.whoWeAre->text(), QString(95, 'a') + "\r\nsecond");

    state().listPictureKind[1999] = 2;
    state().listPictureKind[2000] = 6;
    form().state.ResetPictureKinds();
    EXPECT_EQ(state().listPictureKind[1999], 0);
    EXPECT_EQ(state().listPictureKind[2000], 6);
}
