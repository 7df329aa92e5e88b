#include "DeskStore.h"

#include "UserKey.h"
#include "WideText.h"

namespace desk {

namespace {

constexpr const wchar_t* kStateKey = L"Software\\VimroDesk";
constexpr const wchar_t* kPlacesKey = L"Software\\VimroDesk\\Characters";
constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* kRunValue = L"VimroDesk";

std::wstring ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        if (path.size() >= 32768) return {};
        path.resize(path.size() * 2);
    }
}

}  // namespace

DeskSettings DeskStore::LoadSettings() const {
    DeskSettings settings;
    const UserKey key(kStateKey, UserKey::Mode::Read);
    if (const auto stepAside = key.ReadNumber(L"StepAside")) settings.stepAside = *stepAside != 0;
    if (const auto scale = key.ReadNumber(L"Scale")) settings.scalePercent = ValidScale(static_cast<long>(*scale));
    if (const auto quiet = key.ReadNumber(L"Quiet")) settings.quiet = *quiet != 0;
    return settings;
}

void DeskStore::SaveSettings(const DeskSettings& settings) const {
    const UserKey key(kStateKey, UserKey::Mode::Create);
    key.WriteNumber(L"StepAside", settings.stepAside ? 1 : 0);
    key.WriteNumber(L"Scale", static_cast<DWORD>(settings.scalePercent));
    key.WriteNumber(L"Quiet", settings.quiet ? 1 : 0);
}

std::map<std::string, SavedPlace> DeskStore::LoadPlaces() const {
    std::map<std::string, SavedPlace> places;
    const UserKey key(kPlacesKey, UserKey::Mode::Read);
    for (const std::wstring& name : key.ValueNames()) {
        const std::string character = Utf8FromWide(name);
        if (!IsPlausibleName(character)) continue;
        const auto text = key.ReadString(name.c_str());
        if (!text) continue;
        if (const auto place = ParsePlace(Utf8FromWide(*text))) places[character] = *place;
    }
    return places;
}

void DeskStore::SavePlace(const std::string& name, const SavedPlace& place) const {
    if (!IsPlausibleName(name)) return;
    const UserKey key(kPlacesKey, UserKey::Mode::Create);
    key.WriteString(WideFromUtf8(name).c_str(), WideFromUtf8(FormatPlace(place)));
}

bool DeskStore::StartsWithWindows() const {
    const UserKey key(kRunKey, UserKey::Mode::Read);
    return key.ReadString(kRunValue).has_value();
}

void DeskStore::SetStartWithWindows(bool start) const {
    const UserKey key(kRunKey, start ? UserKey::Mode::Create : UserKey::Mode::Write);
    const std::wstring path = ProgramPath();
    if (start && !path.empty()) {
        key.WriteString(kRunValue, L"\"" + path + L"\"");
    } else {
        key.DeleteValue(kRunValue);
    }
}

}  // namespace desk

namespace desk {

void DeskStore::Forget() const {
    SetStartWithWindows(false);
    RegDeleteTreeW(HKEY_CURRENT_USER, kStateKey);
    RegDeleteKeyW(HKEY_CURRENT_USER, kStateKey);
}

}  // namespace desk
