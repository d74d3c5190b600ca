#pragma once
// The town file: the fourteen fields that forecast pages use, and the temperature unit.

#include <QString>
#include <QStringList>

class FormPicture;

class TownSettings {
public:
    static inline const QString kTownFile = QStringLiteral("Nimbrisco7_MyTown.dat");

    explicit TownSettings(FormPicture& form);

    void LoadTownSettings();
    void ReadTownFile();
    // Both writers show the write error and return false when the file could not be written.
    bool CreateDefaultTownFile();
    bool WriteTownFile();
    void OkYourTown_Click();
    // Shows the town frame (from the panel's "Your Town" icon).
    void ShowTownFrame();

private:
    QString filePath() const;
    void showReadError();
    // Writes the town file: `lines` and the closing lines.
    bool writeFile(QStringList lines);

    FormPicture& form_;
};
