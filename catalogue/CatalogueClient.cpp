#include "catalogue/CatalogueClient.h"

CatalogueClient::CatalogueClient(FormPicture& form) : form_(form) {}
bool CatalogueClient::CatalogueRequest(const QString&, Integer) {
    return false;
}
void CatalogueClient::LoadCatalogue(Integer) {}
QString CatalogueClient::NameAfterLastSlash(const QString& s) {
    return s;
}
void CatalogueClient::Inet1_StateChanged(int) {}
