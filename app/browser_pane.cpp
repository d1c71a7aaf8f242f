#include "app/browser_pane.h"

#include <string>

namespace kelvaro {

// The container side of the embedding: the client site the browser talks to,
// its in-place site and the frame it asks for. Only what an in-place browser
// without menus, tool bars or borders needs; everything else is declined.
class BrowserSite final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
 public:
  explicit BrowserSite(HWND pane) : pane_(pane) {}

  // IUnknown. The browser may hold on to the site after the pane lets go of
  // it, so the site lives as long as anyone counts it.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite)) {
      *object = static_cast<IOleClientSite*>(this);
    } else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite)) {
      *object = static_cast<IOleInPlaceSite*>(this);
    } else if (IsEqualIID(iid, IID_IOleInPlaceUIWindow) || IsEqualIID(iid, IID_IOleInPlaceFrame)) {
      *object = static_cast<IOleInPlaceFrame*>(this);
    } else {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // IOleClientSite: nothing to save, no container to enumerate.
  HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
    *moniker = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override {
    *container = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleWindow, shared by the in-place site and the frame: the pane's window.
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
    *window = pane_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IOleInPlaceSite: the browser may activate in place and fills the pane.
  HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame,
                                             IOleInPlaceUIWindow** document, RECT* position,
                                             RECT* clip, OLEINPLACEFRAMEINFO* info) override {
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *document = nullptr;
    GetClientRect(pane_, position);
    *clip = *position;
    info->fMDIApp = FALSE;
    info->hwndFrame = GetAncestor(pane_, GA_ROOT);
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

  // IOleInPlaceUIWindow and IOleInPlaceFrame: no borders, menus or status bar.
  HRESULT STDMETHODCALLTYPE GetBorder(RECT*) override { return INPLACE_E_NOTOOLSPACE; }
  HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override {
    return INPLACE_E_NOTOOLSPACE;
  }
  HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, OLEMENUGROUPWIDTHS*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*, WORD) override { return S_FALSE; }

 private:
  ~BrowserSite() = default;  // only through Release

  HWND pane_;
  ULONG references_ = 1;
};

namespace {

constexpr char kPaneClass[] = "KelvaroBrowserPane";

bool RegisterPaneClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXA paneClass{};
  if (GetClassInfoExA(instance, kPaneClass, &paneClass)) return true;
  paneClass.cbSize = sizeof paneClass;
  paneClass.lpfnWndProc = procedure;
  paneClass.hInstance = instance;
  paneClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  paneClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  paneClass.lpszClassName = kPaneClass;
  return RegisterClassExA(&paneClass) != 0;
}

std::wstring Widen(const char* text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
  wide.resize(length - 1);
  return wide;
}

}  // namespace

BrowserPane::~BrowserPane() {
  Close();
  if (window_) SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
}

bool BrowserPane::Create(HWND parent, int id, const RECT& place, const char* url) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
  if (!RegisterPaneClass(instance, PaneProc)) return false;
  // Controls above the pane in the window's order (a strip along its top
  // edge, a label's last line) stay visible over the page.
  window_ = CreateWindowExA(
      0, kPaneClass, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
      place.left, place.top, place.right - place.left, place.bottom - place.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  if (!window_) return false;
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  if (Embed(url)) return true;
  Close();
  return false;
}

bool BrowserPane::Embed(const char* url) {
  // OLE starts with the first pane: only the browser needs it, and starting it
  // with the program would cost every start-up its time.
  static const HRESULT oleStarted = OleInitialize(nullptr);
  if (FAILED(oleStarted)) return false;
  if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                              reinterpret_cast<void**>(&object_)))) {
    object_ = nullptr;
    return false;
  }
  site_ = new BrowserSite(window_);
  if (FAILED(object_->SetClientSite(site_))) return false;
  OleSetContainedObject(object_, TRUE);

  RECT area;
  GetClientRect(window_, &area);
  if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_, 0, window_, &area))) {
    return false;
  }
  if (FAILED(object_->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser_)))) {
    browser_ = nullptr;
    return false;
  }
  // A page that fails to load or to run must not raise dialogs over the window.
  browser_->put_Silent(VARIANT_TRUE);

  BSTR address = SysAllocString(Widen(url).c_str());
  if (!address) return false;
  VARIANT none{};  // VT_EMPTY: no flags, target frame, post data or headers
  const HRESULT navigated = browser_->Navigate(address, &none, &none, &none, &none);
  SysFreeString(address);
  return SUCCEEDED(navigated);
}

bool BrowserPane::TranslateKey(MSG& message) {
  if (!object_ || message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  IOleInPlaceActiveObject* active = nullptr;
  if (FAILED(object_->QueryInterface(IID_IOleInPlaceActiveObject,
                                     reinterpret_cast<void**>(&active)))) {
    return false;
  }
  const bool handled = active->TranslateAccelerator(&message) == S_OK;
  active->Release();
  return handled;
}

void BrowserPane::Close() {
  if (browser_) {
    browser_->Stop();
    browser_->Release();
    browser_ = nullptr;
  }
  if (object_) {
    object_->Close(OLECLOSE_NOSAVE);
    object_->SetClientSite(nullptr);
    object_->Release();
    object_ = nullptr;
  }
  if (site_) {
    site_->Release();
    site_ = nullptr;
  }
}

// The pane takes the focus by Tab and hands it on to the page.
void BrowserPane::TakeFocus() {
  if (!object_ || !site_) return;
  RECT area;
  GetClientRect(window_, &area);
  object_->DoVerb(OLEIVERB_UIACTIVATE, nullptr, site_, 0, window_, &area);
}

LRESULT CALLBACK BrowserPane::PaneProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<BrowserPane*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self && message == WM_SETFOCUS) {
    self->TakeFocus();
    return 0;
  }
  if (message == WM_DESTROY && self) {
    self->window_ = nullptr;
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace kelvaro
