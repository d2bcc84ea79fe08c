#pragma once

// The numeric command ids of the program. Menus, toolbars, accelerators and
// the string table's status prompts all refer to commands by these numbers;
// they must never change, because the string table and the saved toolbar
// layout are keyed by them.

namespace cmd {

// An inclusive range of command ids used by items made at run time (one id per
// list entry). index() gives the entry's position in its list.
struct CommandRange {
    unsigned first;
    unsigned last;

    constexpr bool contains(unsigned id) const { return id >= first && id <= last; }
    constexpr unsigned size() const { return last - first + 1; }
    // Position of id in the range; only meaningful when contains(id).
    constexpr unsigned index(unsigned id) const { return id - first; }
    // The id of entry index; only meaningful when index < size().
    constexpr unsigned at(unsigned index) const { return first + index; }
};

// --- New windows and the application (File menu) ---
inline constexpr unsigned NewCurrentPage = 32773;
inline constexpr unsigned NewBlankPage = 32774;
inline constexpr unsigned NewHomePage = 32775;
inline constexpr unsigned NewFromClipboard = 33300;
inline constexpr unsigned NewMozillaBlank = 32833;
inline constexpr unsigned NewMozillaHome = 32834;
inline constexpr unsigned NewMozillaCurrent = 32835;
inline constexpr unsigned NewMozillaFromClipboard = 33301;
inline constexpr unsigned FileNew = 57600;
inline constexpr unsigned FileOpen = 57601;
inline constexpr unsigned FileClose = 57602;
inline constexpr unsigned FileSaveAs = 57604;
inline constexpr unsigned FilePageSetup = 57605;
inline constexpr unsigned FilePrintSetup = 57606;
inline constexpr unsigned FilePrint = 57607;
inline constexpr unsigned FilePrintPreview = 57609;
inline constexpr unsigned CloseAll = 32776;
inline constexpr unsigned CloseAllExceptActive = 32805;
inline constexpr unsigned SendLink = 33290;
inline constexpr unsigned SendPage = 33291;
inline constexpr unsigned SendLinkGroups = 33297;
inline constexpr unsigned SendQuickCommands = 33298;
inline constexpr unsigned SendAutoClose = 33299;
inline constexpr unsigned Properties = 32777;
inline constexpr unsigned WorkOffline = 32778;
inline constexpr unsigned AppExit = 57665;

// --- Edit ---
inline constexpr unsigned EditCopy = 57634;
inline constexpr unsigned EditCut = 57635;
inline constexpr unsigned EditFind = 57636;
inline constexpr unsigned EditPaste = 57637;
inline constexpr unsigned EditSelectAll = 57642;
inline constexpr unsigned EditWithEditor = 33265;
// The known page editors of the edit button's drop-down list (at most 10).
inline constexpr CommandRange Editors{33266, 33275};

// --- View ---
inline constexpr unsigned ViewStandardButtons = 32816;
inline constexpr unsigned ViewAddressBar = 32806;
inline constexpr unsigned ViewLinks = 33812;
inline constexpr unsigned LockToolbars = 33149;
inline constexpr unsigned CustomizeToolbar = 32813;
inline constexpr unsigned ClearAddresses = 32818;
inline constexpr unsigned ViewStatusBar = 59393;
inline constexpr unsigned WindowBarTop = 33283;
inline constexpr unsigned WindowBarBottom = 33284;
inline constexpr unsigned WindowBarHide = 33285;
inline constexpr unsigned WindowBarSingleLine = 33286;
inline constexpr unsigned WindowBarFixedWidth = 33287;
inline constexpr unsigned WindowBarFitWidth = 33288;
inline constexpr unsigned WindowBarMoreOptions = 33289;
inline constexpr unsigned ExplorerFolders = 32840;
inline constexpr unsigned ExplorerHistory = 32841;
inline constexpr unsigned ExplorerFavorites = 32845;
inline constexpr unsigned Refresh = 32787;
inline constexpr unsigned RefreshAll = 32788;
inline constexpr unsigned ViewSource = 32789;
inline constexpr unsigned TextSizeLargest = 32791;
inline constexpr unsigned TextSizeLarger = 32792;
// The text-size toolbar button (opens the text-size menu).
inline constexpr unsigned TextSize = 32793;
inline constexpr unsigned TextSizeMedium = 32794;
inline constexpr unsigned TextSizeSmaller = 32795;
inline constexpr unsigned TextSizeSmallest = 32796;
inline constexpr unsigned FullScreen = 32797;
inline constexpr unsigned LockWindow = 33158;
inline constexpr unsigned AutoRefresh = 33160;
inline constexpr unsigned AutoRefreshSettings = 33161;
inline constexpr unsigned DownloadImages = 33150;
inline constexpr unsigned DownloadVideos = 33151;
inline constexpr unsigned DownloadSounds = 33152;
inline constexpr unsigned DownloadActiveX = 33153;
inline constexpr unsigned DownloadJava = 33154;
inline constexpr unsigned DownloadScripts = 33155;
inline constexpr unsigned DownloadSilent = 33156;
inline constexpr unsigned ApplyDownloadOptionsToAll = 33157;
inline constexpr unsigned AddToQuickCommands = 33278;
inline constexpr unsigned AddToAutoClose = 32820;
inline constexpr unsigned AlwaysOnTop = 33807;
inline constexpr unsigned MinimizeToSystray = 33808;

// --- Go ---
inline constexpr unsigned GoBack = 32779;
inline constexpr unsigned GoForward = 32780;
inline constexpr unsigned Stop = 32781;
inline constexpr unsigned StopAll = 32782;
inline constexpr unsigned GoHome = 32783;
inline constexpr unsigned GoSearch = 32784;
inline constexpr unsigned LastVisitedPages = 33302;
// The recently-closed-windows toolbar button (opens that menu).
inline constexpr unsigned ClosedWindowsButton = 32812;

// --- Favorites and link groups ---
inline constexpr unsigned AddToFavorites = 32803;
inline constexpr unsigned OrganizeFavorites = 32804;
inline constexpr unsigned NewLinkGroupFromPage = 32947;
inline constexpr unsigned SaveAllAsLinkGroup = 33148;
inline constexpr unsigned OrganizeLinkGroups = 32802;

// --- Tools ---
inline constexpr unsigned ImportFavorites = 32826;
inline constexpr unsigned ExportFavorites = 32827;
inline constexpr unsigned ImportLinkGroups = 33276;
inline constexpr unsigned ExportLinkGroups = 33277;
inline constexpr unsigned ImportQuickCommands = 33281;
inline constexpr unsigned ExportQuickCommands = 33282;
inline constexpr unsigned ImportAutoClose = 33295;
inline constexpr unsigned ExportAutoClose = 33296;
inline constexpr unsigned Mail = 32807;
inline constexpr unsigned News = 32808;
inline constexpr unsigned Synchronize = 32809;
inline constexpr unsigned DetectMozilla = 32839;
inline constexpr unsigned Options = 32798;
inline constexpr unsigned InternetOptions = 32799;
inline constexpr unsigned ClearHistory = 32946;

// --- Window ---
inline constexpr unsigned WindowArrange = 57649;
inline constexpr unsigned WindowCascade = 57650;
inline constexpr unsigned WindowTileHorizontal = 57651;
inline constexpr unsigned WindowTileVertical = 57652;
inline constexpr unsigned PreviousWindow = 32829;
inline constexpr unsigned NextWindow = 32830;
// One item per tab of the first ten tabs (tab index = offset).
inline constexpr CommandRange WindowList{65280, 65289};
inline constexpr unsigned SelectWindow = 65290;

// --- Help ---
inline constexpr unsigned HelpContents = 32800;
inline constexpr unsigned WebSite = 32828;
inline constexpr unsigned AppAbout = 57664;

// --- Window bar context menu (act on the right-clicked tab's window) ---
inline constexpr unsigned TabClose = 32815;
inline constexpr unsigned TabCloseAllExceptThis = 32817;
inline constexpr unsigned TabSaveAs = 32837;
inline constexpr unsigned TabAddToFavorites = 32819;
inline constexpr unsigned TabAddToQuickCommands = 33279;
inline constexpr unsigned TabNewLinkGroup = 33164;
inline constexpr unsigned TabAddToAutoClose = 32825;
inline constexpr unsigned TabLock = 33159;
inline constexpr unsigned TabAutoRefresh = 33162;
inline constexpr unsigned TabAutoRefreshSettings = 33163;
inline constexpr unsigned TabSendLink = 33293;
inline constexpr unsigned TabSendPage = 33294;
inline constexpr unsigned TabBack = 32821;
inline constexpr unsigned TabForward = 32822;
inline constexpr unsigned TabStop = 32823;
inline constexpr unsigned TabRefresh = 32824;

// --- Notification area menu ---
inline constexpr unsigned TrayShowWindow = 33809;
inline constexpr unsigned TrayExit = 33810;

// --- Explorer bar item menu ---
inline constexpr unsigned ExplorerOpen = 32842;
inline constexpr unsigned ExplorerOpenInNew = 32843;
inline constexpr unsigned ExplorerOpenInBackground = 32844;

// --- Ranges of items made at run time ---
// Open-all item of favorites folder menu k: id 2001 + k (2000 + count of ranges).
inline constexpr CommandRange FavoritesOpenAll{2001, 3199};
// The active view's back/forward history items: 3200 + history index.
inline constexpr CommandRange History{3200, 3999};
// Favorites links: 4000 + index in the favorites lists.
inline constexpr CommandRange Favorites{4000, 10000};
// Recently closed windows: 32846 + index in the closed-windows list.
inline constexpr CommandRange ClosedWindows{32846, 32945};
// Link groups in the Link groups menu: 32948 + group index.
inline constexpr CommandRange LinkGroupOpen{32948, 33047};
// Link groups in the add-to-link-group submenus of the main and caption menus.
inline constexpr CommandRange LinkGroupAdd{33048, 33147};
// Link groups in the window bar menu's add-to-link-group submenu.
inline constexpr CommandRange TabLinkGroupAdd{33165, 33264};
// Group popups of the link-groups-as-favorites submenu.
inline constexpr unsigned LinkGroupFavoritesPopup = 33303;
// Folder items (submenus) of the favorites menus.
inline constexpr unsigned FavoritesFolder = 33305;
// Links of the link-groups-as-favorites submenu, numbered across all groups.
inline constexpr CommandRange LinkGroupFavoriteLinks{33306, 33806};
// Link bar buttons: 33813 + button index.
inline constexpr CommandRange LinkBar{33813, 33912};

} // namespace cmd

// Ids of the main frame's control bars and child controls.
namespace barid {
inline constexpr unsigned Toolbar = 59392;   // standard toolbar and link bar
inline constexpr unsigned StatusBar = 59393; // also the status-bar command
inline constexpr unsigned Animation = 59394; // top rebar's busy animation
inline constexpr unsigned ReBar = 59396;
inline constexpr unsigned DialogBar = 59397;  // address bar and placeholder
inline constexpr unsigned Animation2 = 59402; // bottom rebar's busy animation
} // namespace barid
