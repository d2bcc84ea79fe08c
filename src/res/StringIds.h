#pragma once

// Ids of the string table's messages and labels (see StringTable.h). Command
// prompts are kept under the command ids of framework/CommandIds.h.

namespace sid {

// Product and framework texts.
inline constexpr unsigned AppName = 128;          // product name (captions, tray tip)
inline constexpr unsigned OpenAllInFolder = 2000; // prompt of a favorites open-all item
inline constexpr unsigned WorkOfflineMark = 151;  // caption mark while offline
inline constexpr unsigned OpenAllItem = 32811;    // favorites open-all item text
inline constexpr unsigned AppTitle = 57344;       // default message-box caption
inline constexpr unsigned IdleMessage = 57345;    // status bar text when idle

// Messages, questions and labels.
inline constexpr unsigned Error = 51446;
inline constexpr unsigned NoDefaultMailProgram = 51447;
inline constexpr unsigned NoDefaultNewsProgram = 51448;
inline constexpr unsigned CannotStartMailProgram = 51449; // followed by the program name
inline constexpr unsigned CannotStartNewsProgram = 51450; // followed by the program name
inline constexpr unsigned ConfirmSynchronize = 51451;
inline constexpr unsigned CannotStartSynchronize = 51452;
inline constexpr unsigned Synchronize = 51453;
inline constexpr unsigned ConfirmExit = 51454;
inline constexpr unsigned ConfirmCloseAll = 51455;
inline constexpr unsigned ConfirmPageClose = 51457;
inline constexpr unsigned DefaultVersionText = 51458;
inline constexpr unsigned ConfirmCloseAllExcept = 51460;
inline constexpr unsigned OptionsTitle = 51461;
inline constexpr unsigned EmptyCustomAddress = 51462;
inline constexpr unsigned ConfirmClearAddresses = 51463;
inline constexpr unsigned LinkColumn = 51465;
inline constexpr unsigned StateColumn = 51466;
inline constexpr unsigned StateAllow = 51467;
inline constexpr unsigned StateDeny = 51468;
inline constexpr unsigned AutoCloseDuplicate = 51469;     // %address%
inline constexpr unsigned ConfirmDeleteAutoClose = 51470; // %address%
inline constexpr unsigned AutoCloseAdded = 51471;         // %address%
inline constexpr unsigned AddressesCleared = 51472;
inline constexpr unsigned PrintPreviewNeedsNewerEngine = 51473;
inline constexpr unsigned NotDefaultBrowser = 51476;
inline constexpr unsigned NoStartupCheck = 51477;
inline constexpr unsigned ConfirmSetDefaultBrowser = 51478;
inline constexpr unsigned EngineTooOld = 51479;
inline constexpr unsigned WebSiteAddress = 51480;
inline constexpr unsigned FileNotFound = 51482;      // %filename%
inline constexpr unsigned CannotResolveLink = 51483; // %link%
inline constexpr unsigned CannotCreateWindow = 51484;
inline constexpr unsigned ConfirmCloseSelected = 51485;
inline constexpr unsigned InvalidValueRange = 51486; // %Min% %Max%
inline constexpr unsigned MozillaDetected = 51487;   // %Version%
inline constexpr unsigned MozillaNotDetected = 51488;
inline constexpr unsigned ChooseMozillaFolder = 51489;
inline constexpr unsigned AddToFavoritesTip = 51490;
inline constexpr unsigned OrganizeFavoritesTip = 51491;
inline constexpr unsigned RefreshTip = 51492;
inline constexpr unsigned ConfirmDeleteAutoCloseSelected = 51493;
inline constexpr unsigned CloseTip = 51494;
inline constexpr unsigned ClearHistoryItem = 51495;
inline constexpr unsigned ClearTemporaryFilesItem = 51496;
inline constexpr unsigned ClearAutoCloseItem = 51497;
inline constexpr unsigned ClearClosedWindowsItem = 51498;
inline constexpr unsigned EmptyMenu = 51499;
inline constexpr unsigned DisabledMenu = 51500;
inline constexpr unsigned ClearTypedUrlsItem = 51501;
inline constexpr unsigned NewLinkGroupTip = 51502;
inline constexpr unsigned EditLinkGroupTip = 51503;
inline constexpr unsigned DeleteLinkGroupTip = 51504;
inline constexpr unsigned NewLinkTip = 51505;
inline constexpr unsigned EditLinkTip = 51506;
inline constexpr unsigned DeleteLinkTip = 51507;
inline constexpr unsigned MoveLinkGroupUpTip = 51508;
inline constexpr unsigned MoveLinkGroupDownTip = 51509;
inline constexpr unsigned MoveLinkUpTip = 51510;
inline constexpr unsigned MoveLinkDownTip = 51511;
inline constexpr unsigned LinkHeader = 51512;
inline constexpr unsigned NameHeader = 51513;
inline constexpr unsigned ConfirmDeleteLinkGroup = 51514;
inline constexpr unsigned ConfirmDeleteLink = 51515;
inline constexpr unsigned TooManyLinkGroups = 51516;
inline constexpr unsigned OpenLinkGroupPrompt = 51517;     // %linkgroup%
inline constexpr unsigned AddToLinkGroupPrompt = 51518;    // %linkgroup%
inline constexpr unsigned ConfirmCloseLocked = 51519;      // %title%
inline constexpr unsigned AddTabToLinkGroupPrompt = 51521; // %linkgroup%
inline constexpr unsigned ReopenAfterCrash = 51522;
inline constexpr unsigned EditWithEditorPrompt = 51523; // %editor%
inline constexpr unsigned LinkGroupNameExists = 51524;  // %linkgroup%
inline constexpr unsigned ChooseStartupLinkGroups = 51525;
inline constexpr unsigned ChooseExportLinkGroups = 51526;
inline constexpr unsigned ImportLinkGroupsTitle = 51527;
inline constexpr unsigned ExportLinkGroupsTitle = 51528;
inline constexpr unsigned NoLinkGroups = 51529;
inline constexpr unsigned NoLinkGroupSelected = 51530;
inline constexpr unsigned CannotOpenFile = 51531; // %filename%
inline constexpr unsigned ChooseImportLinkGroups = 51532;
inline constexpr unsigned ConfirmMakeSeparator = 51533;
inline constexpr unsigned TitleHeader = 51534;
inline constexpr unsigned CommandHeader = 51535;
inline constexpr unsigned TypeHeader = 51536;
inline constexpr unsigned QuickCommandHelp = 51538;
inline constexpr unsigned QuickCommandSearch = 51539;
inline constexpr unsigned QuickCommandOpen = 51540;
inline constexpr unsigned ConfirmDeleteQuickCommands = 51541;
inline constexpr unsigned QuickCommandInUse = 51542; // %command%
inline constexpr unsigned QuickCommandNotOneWord = 51543;
inline constexpr unsigned NoQuickCommands = 51544;
inline constexpr unsigned ImportQuickCommandsTitle = 51545;
inline constexpr unsigned ExportQuickCommandsTitle = 51546;
inline constexpr unsigned CannotLoadMail = 51547; // %errorcode%
inline constexpr unsigned ImportAutoCloseTitle = 51548;
inline constexpr unsigned ExportAutoCloseTitle = 51549;
inline constexpr unsigned NoAutoCloseAddresses = 51550;
inline constexpr unsigned LinkGroupsImported = 51551;    // %count%
inline constexpr unsigned QuickCommandsImported = 51552; // %count%
inline constexpr unsigned AutoCloseImported = 51553;     // %count%
inline constexpr unsigned OpenUrlPrompt = 51554;         // %url%
inline constexpr unsigned SettingsNotSaved = 51590;

// What is wrong with the settings file, told once per cause. All take
// %filename%, the registry file.
inline constexpr unsigned RegistryReadOnly = 51760;
inline constexpr unsigned RegistryLockedBy = 51761;       // %program%
inline constexpr unsigned RegistryLocked = 51762;
inline constexpr unsigned RegistryDiskFull = 51763;
inline constexpr unsigned RegistryDeviceFailed = 51764;
inline constexpr unsigned RegistrySalvaged = 51765;       // %damaged%: the kept damaged file
inline constexpr unsigned RegistryDamaged = 51766;
inline constexpr unsigned RegistryUnusable = 51767;       // %reason%

// Texts added by this program (not among the texts it inherits): a popup
// refused by ClosePopups, and the page of an address that cannot be opened.
inline constexpr unsigned PopupBlockedNotice = 51900;
inline constexpr unsigned CannotOpenAddressTitle = 51901;
inline constexpr unsigned CannotOpenAddressPage = 51902; // %address%
// A page's download: the save dialog's caption, and a download that failed.
inline constexpr unsigned DownloadSaveCaption = 51910;
inline constexpr unsigned DownloadFailed = 51911; // %file%, %reason%
// The print preview of a page of the second engine: caption and print button.
inline constexpr unsigned PrintPreviewCaption = 51912;
inline constexpr unsigned PrintPreviewPrint = 51913;
inline constexpr unsigned PrintPreviewClose = 51914;
// The window was minimised normally: the desktop has no notification area.
inline constexpr unsigned NoNotificationArea = 51920;

// Texts added by this program for its own favorites dialogs, import and
// export (the desktop offers none of these).
inline constexpr unsigned FavoriteReplace = 51930;        // %name%
inline constexpr unsigned FavoriteNameTaken = 51931;      // %name%
inline constexpr unsigned FavoriteNameEmpty = 51932;
inline constexpr unsigned FavoriteIntoItself = 51933;     // %name%
inline constexpr unsigned FavoriteGone = 51934;           // %name%
inline constexpr unsigned FavoritesNotChanged = 51935;    // %reason%
inline constexpr unsigned FavoriteBadAddress = 51936;     // %url%
inline constexpr unsigned ConfirmDeleteFavorite = 51937;  // %name%
inline constexpr unsigned ConfirmDeleteFavoriteFolder = 51938; // %name%
inline constexpr unsigned ImportFavoritesTitle = 51939;
inline constexpr unsigned ExportFavoritesTitle = 51940;
inline constexpr unsigned NotABookmarkFile = 51941;       // %filename%
inline constexpr unsigned FavoritesImported = 51942;      // %count%, %present%
inline constexpr unsigned FavoritesImportFailed = 51943;  // %count%, %reason%
inline constexpr unsigned FavoritesExported = 51944;      // %count%, %filename%
inline constexpr unsigned BookmarkFileCut = 51945;
inline constexpr unsigned NoAddressToAdd = 51946;
inline constexpr unsigned NoFavoritesFolder = 51947;

} // namespace sid
