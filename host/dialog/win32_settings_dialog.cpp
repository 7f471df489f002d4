#include "host/dialog/win32_settings_dialog.h"

#include <windows.h>
#include <commdlg.h>

#include <array>
#include <cmath>

#include "host/button/win32_command_button.h"
#include "host/dialog/settings_dialog.h"
#include "host/dialog/web_page.h"
#include "host/resource_ids.h"
#include "host/startup.h"
#include "host/win32_resources.h"
#include "host/win32_window_owner.h"
#include "host/window_effects.h"

namespace morvantis::host {
namespace {

using namespace dialog;
using button::CommandButton;

constexpr wchar_t kFormClass[] = L"Morvantis_P";
constexpr wchar_t kPanelClass[] = L"Morvantis_P.Pic_C";
constexpr wchar_t kOwnerClass[] = L"Morvantis_P.Owner";
// Room for the longest path Windows has (32767 characters and the NUL).
constexpr DWORD kOpenFileCapacity = 32768;
constexpr DWORD kFormStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;  // fixed single, close box only

RECT RectOf(const Box& b) { return RECT{b.x, b.y, b.x + b.width, b.y + b.height}; }

// The dialog's font ("ＭＳ Ｐゴシック" 9.75 pt, regular, Shift-JIS), underlined for the link.
HFONT MakeFont(bool underline) {
    const button::CaptionFont font = button::DialogFont();
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    LOGFONTW lf{};
    lf.lfHeight = -static_cast<LONG>(std::lround(font.size_points * dpi / 72.0));
    lf.lfWeight = font.weight;
    lf.lfUnderline = underline ? TRUE : FALSE;
    lf.lfCharSet = static_cast<BYTE>(font.charset);
    lstrcpynW(lf.lfFaceName, Widen(font.face).c_str(), LF_FACESIZE);
    return CreateFontIndirectW(&lf);
}

// A picture in a memory device context: a persistent background or a carried BMP.
class Picture {
public:
    Picture() = default;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    ~Picture() { Release(); }

    // A blank picture of the given size, filled with `colour`.
    bool Create(int width, int height, COLORREF colour) {
        Release();
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = screen ? CreateCompatibleBitmap(screen, width, height) : nullptr;
        if (screen) ReleaseDC(nullptr, screen);
        if (!Select()) return false;
        width_ = width;
        height_ = height;
        const RECT all{0, 0, width, height};
        SetBkColor(dc_, colour);
        ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
        return true;
    }

    // A BMP file carried as an RCDATA resource.
    bool Load(int resource) {
        Release();
        const ResourceBytes bmp = LoadResourceBytes(resource);
        if (bmp.size < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) return false;
        const auto* file = reinterpret_cast<const BITMAPFILEHEADER*>(bmp.data);
        const auto* info = reinterpret_cast<const BITMAPINFO*>(bmp.data + sizeof(BITMAPFILEHEADER));
        if (file->bfOffBits >= bmp.size) return false;
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = screen ? CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT, bmp.data + file->bfOffBits, info,
                                          DIB_RGB_COLORS)
                         : nullptr;
        if (screen) ReleaseDC(nullptr, screen);
        if (!Select()) return false;
        width_ = info->bmiHeader.biWidth;
        height_ = std::abs(info->bmiHeader.biHeight);
        return true;
    }

    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    explicit operator bool() const { return old_ != nullptr; }

private:
    bool Select() {
        if (!dc_ || !bitmap_) return false;
        old_ = SelectObject(dc_, bitmap_);
        return old_ != nullptr;
    }
    void Release() {
        if (dc_ && old_) SelectObject(dc_, old_);
        if (bitmap_) DeleteObject(bitmap_);
        if (dc_) DeleteDC(dc_);
        dc_ = nullptr;
        bitmap_ = nullptr;
        old_ = nullptr;
        width_ = height_ = 0;
    }

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    int width_ = 0, height_ = 0;
};

void DrawLabel(HDC dc, const std::string& text, const Box& box, UINT format) {
    RECT r = RectOf(box);
    DrawTextW(dc, Widen(text).c_str(), -1, &r, format | DT_NOPREFIX);
}

}  // namespace

struct SettingsDialog::Form {
    Form(Settings& s, ProfileStore& p, std::string folder) : settings(s), store(p), hostFolder(std::move(folder)) {}
    ~Form() {
        if (hwnd) DestroyWindow(hwnd);
        if (owner) DestroyWindow(owner);
        if (font) DeleteObject(font);
        if (linkFont) DeleteObject(linkFont);
    }

    // ---- event procedures -------------------------------------------------------------------

    void Form_Load() {
        // Centred horizontally, a third of the free height above.
        RECT window{};
        GetWindowRect(hwnd, &window);
        const Point at = DialogPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                        window.right - window.left, window.bottom - window.top);
        SetWindowPos(hwnd, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        InitCommandButtons();
        TilePanel(panel);
        // The kind's mark and controls; a kind outside 0..2 selects no mark and enables neither.
        EnableWindow(combo, FALSE);
        const KindControls controls = ControlsForKind(settings.BgmKind);
        imgBgmSelected = controls.markSelected;
        if (controls.repeatEnabled) EnableWindow(combo, TRUE);
        cmdFile->SetEnabled(controls.fileButtonEnabled);
        SetWindowTextW(combo, Widen(FormatRepeat(settings.BgmRepeat)).c_str());
        for (const std::string& item : RepeatListItems())
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
        fileCaption = settings.BgmFile;
        InvalidateRect(panel, nullptr, FALSE);
        // The opening frame grows from the mouse position, or from the screen's corner.
        POINT cursor{};
        ApiResult = GetCursorPos(&cursor);
        ZoomPointX = static_cast<std::int16_t>(ApiResult ? cursor.x : 0);
        ZoomPointY = static_cast<std::int16_t>(ApiResult ? cursor.y : 0);
        ZoomOpen(hwnd);
        SetPointer(nullptr);
    }

    // The gradient goes into the persistent background picture.
    void Form_Resize() {
        RECT client{};
        GetClientRect(hwnd, &client);
        const int w = client.right, h = client.bottom;
        if (!background || background.Width() != w || background.Height() != h)
            background.Create(w, h, kFormBackColour);
        if (!background) return;
        HDC dc = background.Dc();
        HGDIOBJ oldPen = SelectObject(dc, GetStockObject(DC_PEN));
        for (const BackgroundRow& row : BackgroundRows(h)) {
            SetDCPenColor(dc, RGB(row.red, row.green, row.blue));
            MoveToEx(dc, 0, row.y, nullptr);
            LineTo(dc, w, row.y);
        }
        SelectObject(dc, oldPen);
        InvalidateRect(hwnd, nullptr, FALSE);
    }

    void Form_Unload() { ZoomClose(hwnd); }

    void Img_BGM_MouseDown(int index) { ChooseKind(index); }
    void lbl_BGM_MouseDown(int index) { ChooseKind(index); }

    // A path the settings file cannot hold is refused with a message, and the previous choice
    // stays: stored, it would come back as another path (settings_store.h).
    void Cmd_File_Click() {
        const std::wstring filter = Widen(kOpenFileFilterName) + L'\0' + Widen(kOpenFileFilterPattern) + L'\0' + L'\0';
        const std::wstring folder = Widen(settings.BgmFolder);
        const std::wstring title = Widen(kOpenFileTitle);
        std::wstring file(kOpenFileCapacity, L'\0'), fileTitle(kOpenFileCapacity, L'\0');
        OPENFILENAMEW ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = hwnd;
        ofn.hInstance = GetModuleHandleW(nullptr);
        ofn.lpstrFilter = filter.c_str();
        ofn.lpstrFile = file.data();
        ofn.nMaxFile = kOpenFileCapacity;
        ofn.lpstrFileTitle = fileTitle.data();
        ofn.nMaxFileTitle = kOpenFileCapacity;
        ofn.lpstrInitialDir = folder.c_str();
        ofn.lpstrTitle = title.c_str();
        ofn.Flags = 0;
        ApiResult = GetOpenFileNameW(&ofn);
        if (ApiResult <= 0) return;
        const std::string chosen = Narrow(file.c_str());
        if (!SettingsFileCanHold(chosen)) {
            MessageBoxW(hwnd, Widen(kUnstorableFileText).c_str(), Widen(kApplicationTitle).c_str(),
                        MB_OK | MB_ICONEXCLAMATION);
            return;
        }
        settings.BgmFile = chosen;
        fileCaption = settings.BgmFile;
        settings.BgmFolder = FolderOf(settings.BgmFile);
        if (panel) InvalidateRect(panel, nullptr, FALSE);
    }

    void Cmd_Set_Click() {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(combo)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(GetWindowTextW(combo, text.data(), static_cast<int>(text.size()))));
        settings.BgmRepeat = RepeatFromText(Narrow(text));
        SaveSettings(store, hostFolder, settings);  // "BGM区分", "BGMﾘﾋﾟｰﾄ", "BGMﾌｧｲﾙ"
        Unload();
    }

    void Cmd_Can_Click() { Unload(); }

    void lbl_URL_Click() {
        SetPointer(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
        OpenWebPage(hwnd, kAuthorPage);
        SetPointer(nullptr);
    }

    // ---- methods of the form ----------------------------------------------------------------

    void InitCommandButtons() {
        for (CommandButton* command : {cmdFile.get(), cmdSet.get(), cmdCan.get()})
            if (command) command->Initialize();
    }

    // Copies of the texture, column by column, into the panel's persistent picture.
    void TilePanel(HWND target) {
        RECT client{};
        GetClientRect(target, &client);
        if (!panelImage.Create(client.right, client.bottom, kPanelBackColour) || !picMbl) return;
        for (const Point& at : TileOrigins(client.right, client.bottom, picMbl.Width(), picMbl.Height()))
            ApiResult = BitBlt(panelImage.Dc(), at.x, at.y, picMbl.Width(), picMbl.Height(), picMbl.Dc(), 0, 0,
                               SRCCOPY);
        InvalidateRect(target, nullptr, FALSE);
    }

    // ---- helpers ----------------------------------------------------------------------------

    void ChooseKind(int index) {
        settings.BgmKind = static_cast<std::int16_t>(index);
        cmdFile->SetEnabled(false);
        EnableWindow(combo, FALSE);
        const KindControls controls = ControlsForKind(index);
        imgBgmSelected = controls.markSelected;
        if (controls.repeatEnabled) EnableWindow(combo, TRUE);
        if (controls.fileButtonEnabled) cmdFile->SetEnabled(true);
        InvalidateRect(panel, nullptr, FALSE);
    }

    void Unload() {
        if (!hwnd) return;
        Form_Unload();
        DestroyWindow(hwnd);
    }

    // The application-wide mouse pointer: a cursor that overrides every other, or none.
    void SetPointer(HCURSOR cursor) {
        pointer = cursor;
        POINT at{};
        GetCursorPos(&at);
        if (hwnd && WindowFromPoint(at) == hwnd)
            SendMessageW(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        else if (pointer)
            SetCursor(pointer);
    }

    static int XOf(LPARAM l) { return static_cast<short>(LOWORD(l)); }
    static int YOf(LPARAM l) { return static_cast<short>(HIWORD(l)); }
    bool OverLink(LPARAM l) const { return linkBox.Contains(XOf(l), YOf(l)); }

    void PaintForm() {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        if (!dc) return;
        if (background) {
            BitBlt(dc, 0, 0, background.Width(), background.Height(), background.Dc(), 0, 0, SRCCOPY);
        } else {
            FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
        }
        // lbl_URL: white underlined text straight on the gradient.
        HGDIOBJ oldFont = SelectObject(dc, linkFont);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 255));
        DrawLabel(dc, kAuthorPage, linkBox, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOCLIP);
        SelectObject(dc, oldFont);
        EndPaint(hwnd, &ps);
    }

    void PaintPanel() {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(panel, &ps);
        if (!dc) return;
        if (panelImage) BitBlt(dc, 0, 0, panelImage.Width(), panelImage.Height(), panelImage.Dc(), 0, 0, SRCCOPY);
        HGDIOBJ oldFont = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        // Shape3(3) frames lbl(15).
        HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
        Rectangle(dc, kShape3.x, kShape3.y, kShape3.x + kShape3.width, kShape3.y + kShape3.height);
        DrawLabel(dc, kTitleText, kLblTitle, DT_CENTER | DT_TOP | DT_SINGLELINE);
        for (std::size_t kind = 0; kind < 3; ++kind) {
            const Picture& mark = imgRa[imgBgmSelected[kind] ? 1 : 0];
            if (mark)
                BitBlt(dc, kImgBgm[kind].x, kImgBgm[kind].y, kImgBgm[kind].width, kImgBgm[kind].height, mark.Dc(),
                       0, 0, SRCCOPY);
            DrawLabel(dc, kKindTexts[kind], kLblBgm[kind], DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOCLIP);
        }
        DrawLabel(dc, kRepeatText, kLblRepeat, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOCLIP);
        // lbl_Fname: a thin border around up to two lines of the path.
        Rectangle(dc, kLblFname.x, kLblFname.y, kLblFname.x + kLblFname.width, kLblFname.y + kLblFname.height);
        const Box text{kLblFname.x + 2, kLblFname.y + 2, kLblFname.width - 4, kLblFname.height - 4};
        DrawLabel(dc, fileCaption, text, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_EDITCONTROL);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldFont);
        EndPaint(panel, &ps);
    }

    LRESULT FormProc(HWND window, UINT message, WPARAM w, LPARAM l) {
        switch (message) {
            case WM_SIZE:
                if (loaded) Form_Resize();
                return 0;
            case WM_ERASEBKGND:
                return 1;
            case WM_PAINT:
                PaintForm();
                return 0;
            case WM_SETCURSOR:
                if (pointer) {
                    SetCursor(pointer);
                    return TRUE;
                }
                if (reinterpret_cast<HWND>(w) == hwnd && LOWORD(l) == HTCLIENT) {
                    POINT at{};
                    GetCursorPos(&at);
                    ScreenToClient(hwnd, &at);
                    const bool overLink = linkBox.Contains(at.x, at.y);
                    SetCursor(overLink && linkCursor ? linkCursor
                                                     : LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
                    return TRUE;
                }
                break;
            case WM_LBUTTONDOWN:
                linkPressed = OverLink(l);
                if (linkPressed) SetCapture(hwnd);
                return 0;
            case WM_LBUTTONUP:
                if (GetCapture() == hwnd) ReleaseCapture();
                if (linkPressed && OverLink(l)) {
                    linkPressed = false;
                    lbl_URL_Click();
                }
                linkPressed = false;
                return 0;
            case WM_COMMAND:
                return 0;  // Enter and Escape from the dialog manager: the buttons have no keys
            case WM_CLOSE:
                Unload();  // the close box: like "ｷｬﾝｾﾙ"
                return 0;
            case WM_DESTROY:
                open = false;
                hwnd = nullptr;
                return 0;
        }
        return DefWindowProcW(window, message, w, l);
    }

    LRESULT PanelProc(HWND window, UINT message, WPARAM w, LPARAM l) {
        switch (message) {
            case WM_ERASEBKGND:
                return 1;
            case WM_PAINT:
                PaintPanel();
                return 0;
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
            case WM_MBUTTONDOWN: {
                const int x = XOf(l), y = YOf(l);
                if (const std::optional<int> kind = KindElementAt(x, y)) {
                    if (kImgBgm[static_cast<std::size_t>(*kind)].Contains(x, y))
                        Img_BGM_MouseDown(*kind);
                    else
                        lbl_BGM_MouseDown(*kind);
                }
                return 0;
            }
        }
        return DefWindowProcW(window, message, w, l);
    }

    // ---- state ------------------------------------------------------------------------------

    Settings& settings;
    ProfileStore& store;
    std::string hostFolder;
    std::int32_t ApiResult = 0;

    HWND owner = nullptr;  // hidden: keeps the dialog off the task bar
    HWND hwnd = nullptr;
    HWND panel = nullptr;  // Pic_C
    HWND combo = nullptr;  // BGM_Repeat
    std::unique_ptr<CommandButton> cmdFile, cmdSet, cmdCan;
    HFONT font = nullptr, linkFont = nullptr;
    HCURSOR linkCursor = nullptr;
    HCURSOR pointer = nullptr;  // the application-wide override; null: each window's own

    Picture background;   // the form's persistent picture
    Picture panelImage;   // Pic_C's persistent picture
    Picture picMbl;       // Pic_Mbl: the panel texture
    Picture imgRa[2];     // Img_Ra(0) empty mark, Img_Ra(1) selected mark
    std::array<bool, 3> imgBgmSelected{};
    std::string fileCaption;  // lbl_Fname
    Box linkBox = kLblUrl;    // lbl_URL, sized to its text
    bool linkPressed = false;
    bool loaded = false;
    bool open = false;
};

namespace {

LRESULT CALLBACK FormWindowProc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    auto* form = WindowOwner<SettingsDialog::Form>(hwnd, message, l);
    if (!form) return DefWindowProcW(hwnd, message, w, l);
    if (message == WM_NCCREATE) form->hwnd = hwnd;
    return form->FormProc(hwnd, message, w, l);
}

LRESULT CALLBACK PanelWindowProc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    auto* form = WindowOwner<SettingsDialog::Form>(hwnd, message, l);
    if (!form) return DefWindowProcW(hwnd, message, w, l);
    if (message == WM_NCCREATE) form->panel = hwnd;
    if (message == WM_NCDESTROY) form->panel = nullptr;
    return form->PanelProc(hwnd, message, w, l);
}

bool RegisterClasses(HINSTANCE instance) {
    static const bool registered = [instance] {
        HCURSOR arrow = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        WNDCLASSEXW form{};
        form.cbSize = sizeof form;
        form.lpfnWndProc = FormWindowProc;
        form.hInstance = instance;
        form.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_DIALOG_ICON));
        form.hCursor = arrow;
        form.hbrBackground = CreateSolidBrush(static_cast<COLORREF>(kFormBackColour));
        form.lpszClassName = kFormClass;
        WNDCLASSEXW panel{};
        panel.cbSize = sizeof panel;
        panel.lpfnWndProc = PanelWindowProc;
        panel.hInstance = instance;
        panel.hCursor = arrow;
        panel.lpszClassName = kPanelClass;
        WNDCLASSEXW owner{};
        owner.cbSize = sizeof owner;
        owner.lpfnWndProc = DefWindowProcW;
        owner.hInstance = instance;
        owner.lpszClassName = kOwnerClass;
        return RegisterClassExW(&form) && RegisterClassExW(&panel) && RegisterClassExW(&owner);
    }();
    return registered;
}

// The combo box's closed height follows its selection field: set the field so that the whole
// box is `height` (how the two relate differs between systems, so measure).
void SetClosedHeight(HWND combo, int height) {
    LRESULT field = SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    for (int attempt = 0; attempt < 3 && field != CB_ERR; ++attempt) {
        RECT r{};
        GetWindowRect(combo, &r);
        if (r.bottom - r.top == height) return;
        field += height - (r.bottom - r.top);
        SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
}

}  // namespace

SettingsDialog::SettingsDialog(std::unique_ptr<Form> form) : form_(std::move(form)) {}
SettingsDialog::~SettingsDialog() = default;

std::unique_ptr<SettingsDialog> SettingsDialog::Show(Settings& settings, ProfileStore& store,
                                                     const std::string& hostFolder) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!RegisterClasses(instance)) return nullptr;
    auto form = std::make_unique<Form>(settings, store, hostFolder);
    Form& f = *form;
    f.owner = CreateWindowExW(0, kOwnerClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    RECT outer{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&outer, kFormStyle, FALSE, 0);
    CreateWindowExW(0, kFormClass, Widen(kDialogCaption).c_str(), kFormStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    outer.right - outer.left, outer.bottom - outer.top, f.owner, nullptr, instance, &f);
    if (!f.hwnd) return nullptr;
    f.open = true;
    if (HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_DIALOG_ICON))) {
        SendMessageW(f.hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageW(f.hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    f.font = MakeFont(false);
    f.linkFont = MakeFont(true);
    f.linkCursor = LoadCursorW(instance, MAKEINTRESOURCEW(IDC_LINK_CURSOR));
    f.picMbl.Load(IDR_PANEL_TEXTURE);
    f.imgRa[0].Load(IDR_MARK_EMPTY);
    f.imgRa[1].Load(IDR_MARK_SELECTED);

    CreateWindowExW(WS_EX_CLIENTEDGE | WS_EX_CONTROLPARENT, kPanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                    kPicC.x, kPicC.y, kPicC.width, kPicC.height, f.hwnd,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPanelId)), instance, &f);
    if (!f.panel) return nullptr;
    f.combo = CreateWindowExW(0, L"COMBOBOX", L"",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                              kBgmRepeat.x, kBgmRepeat.y, kBgmRepeat.width, 200, f.panel,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kRepeatId)), instance, nullptr);
    SendMessageW(f.combo, WM_SETFONT, reinterpret_cast<WPARAM>(f.font), FALSE);
    SetClosedHeight(f.combo, kBgmRepeat.height);
    f.cmdFile = CommandButton::Create(f.panel, kFileButtonId, kCmdFile.x, kCmdFile.y, kCmdFile.width,
                                      kCmdFile.height, kFileButtonText);
    f.cmdSet = CommandButton::Create(f.hwnd, kSetButtonId, kCmdSet.x, kCmdSet.y, kCmdSet.width, kCmdSet.height,
                                     kSetButtonText);
    f.cmdCan = CommandButton::Create(f.hwnd, kCancelButtonId, kCmdCan.x, kCmdCan.y, kCmdCan.width, kCmdCan.height,
                                     kCancelButtonText);
    if (!f.combo || !f.cmdFile || !f.cmdSet || !f.cmdCan) return nullptr;
    f.cmdFile->OnClick([&f] { f.Cmd_File_Click(); });
    f.cmdSet->OnClick([&f] { f.Cmd_Set_Click(); });
    f.cmdCan->OnClick([&f] { f.Cmd_Can_Click(); });

    // lbl_URL sizes itself to its text.
    if (HDC dc = GetDC(f.hwnd)) {
        HGDIOBJ old = SelectObject(dc, f.linkFont);
        const std::wstring url = Widen(kAuthorPage);
        SIZE size{};
        if (GetTextExtentPoint32W(dc, url.c_str(), static_cast<int>(url.size()), &size))
            f.linkBox = Box{kLblUrl.x, kLblUrl.y, size.cx, size.cy};
        SelectObject(dc, old);
        ReleaseDC(f.hwnd, dc);
    }

    f.Form_Load();
    f.loaded = true;
    f.Form_Resize();
    ShowWindow(f.hwnd, SW_SHOW);
    SetForegroundWindow(f.hwnd);
    if (HWND first = GetNextDlgTabItem(f.hwnd, nullptr, FALSE)) SetFocus(first);
    UpdateWindow(f.hwnd);
    return std::unique_ptr<SettingsDialog>(new SettingsDialog(std::move(form)));
}

void SettingsDialog::RunModal() {
    MSG message;
    while (form_->open) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (form_->hwnd && IsDialogMessageW(form_->hwnd, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool SettingsDialog::IsOpen() const { return form_->open; }
HWND__* SettingsDialog::Hwnd() const { return form_->hwnd; }

HWND__* SettingsDialog::Control(int id) const {
    switch (id) {
        case kPanelId: return form_->panel;
        case kRepeatId: return form_->combo;
        default:
            if (const button::CommandButton* b = Button(id)) return b->Hwnd();
            return nullptr;
    }
}

button::CommandButton* SettingsDialog::Button(int id) const {
    switch (id) {
        case kFileButtonId: return form_->cmdFile.get();
        case kSetButtonId: return form_->cmdSet.get();
        case kCancelButtonId: return form_->cmdCan.get();
        default: return nullptr;
    }
}

bool SettingsDialog::MarkSelected(int kind) const {
    return kind >= 0 && kind < 3 && form_->imgBgmSelected[static_cast<std::size_t>(kind)];
}

void RunSettingsDialog(Settings& settings, ProfileStore& store, const std::string& hostFolder) {
    if (std::unique_ptr<SettingsDialog> dialog = SettingsDialog::Show(settings, store, hostFolder))
        dialog->RunModal();
}

}  // namespace morvantis::host
