#pragma once
// The town file: the fourteen fields that forecast pages use, and the temperature unit.

#include <QString>

class FormPicture;

class TownSettings {
public:
    static inline const QString kTownFile = QStringLiteral("Nimbrisco7_MyTown.dat");

    explicit TownSettings(FormPicture& form);

    void LoadTownSettings();
    void ReadTownFile();
    void CreateDefaultTownFile();
    void WriteTownFile();
    void OkYourTown_Click();
    // Shows the town frame (from the panel's "Your Town" icon).
    void ShowTownFrame();

private:
    QString filePath() const;
    void showReadError();

    FormPicture& form_;
};
