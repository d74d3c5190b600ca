#pragma once
// The catalogue service client: one request at a time over Inet1, replies cut into items.

#include "core/VbTypes.h"

#include <QString>

class FormPicture;

class CatalogueClient {
public:
    explicit CatalogueClient(FormPicture& form);

    bool CatalogueRequest(const QString& address, Integer mode);
    void LoadCatalogue(Integer mode);
    static QString NameAfterLastSlash(const QString& s);
    // The state-change event of Inet1.
    void Inet1_StateChanged(int state);

private:
    FormPicture& form_;
};
