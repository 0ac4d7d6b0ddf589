<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en">
<context>
    <name>AboutPanel</name>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Alerts</name>
    <message>
        <source>Do not show this message again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppWindows</name>
    <message>
        <source>Separators for your system tray, to divide its icons into groups.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © The Gapsel developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GNU General Public License v3.0 or later</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DashboardPage</name>
    <message>
        <source>Copy Debug Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete App Data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataDeletion</name>
    <message>
        <source>Are you sure you want to delete the settings and data for %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete all data and settings for %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DebugWindow</name>
    <message>
        <source>Open Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dashboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 — Debug</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiagnosticSwitches</name>
    <message>
        <source>No effect on this platform.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlight Drawn Rectangles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw Outlines Around Views</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visualize Mutually Exclusive Constraints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log AppKit Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here: logs Qt&apos;s input and window-system events (qt.qpa.input, qt.qpa.events) from the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Internal AppKit Debug Menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiagnosticsPage</name>
    <message>
        <source>Global shortcut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing pressed yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key up</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Email</name>
    <message>
        <source>(The text is too long for an email link: its oldest %1 of %2 lines were left out.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No mail program could be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the text and paste it into a message to %1 in the mail program you use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LaunchAtLoginToggle</name>
    <message>
        <source>Launch at login</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinuxPlatform</name>
    <message>
        <source>%1 separator</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogsPage</name>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoTrayNotice</name>
    <message>
        <source>%1 found no system tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotificationPopover</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenUrl</name>
    <message>
        <source>No file manager opened %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install a file manager, or copy the path and open the folder yourself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No mail program opened a new message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No mail program opened a message to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install a mail program, or copy the text below and use another one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No web browser opened %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install a web browser, or copy the link and open it in one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageMenu</name>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RateAction</name>
    <message>
        <source>Rate on the App Store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thanks for wanting to rate %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If this is about a bug or a feature request, it&apos;s recommended to instead send feedback directly to the developer. All feedback submissions will receive a quick response.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Feedback to Developer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate in Software Center</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadyMadeItems</name>
    <message>
        <source>More Apps by Me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate App</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecorderCheck</name>
    <message>
        <source>Most system-wide keyboard shortcuts can be changed in “System Settings › Keyboard › Keyboard Shortcuts“.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most system-wide keyboard shortcuts can be changed in the keyboard shortcut settings of your desktop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This keyboard shortcut cannot be used as it&apos;s already used by the “%1” menu item.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This keyboard shortcut cannot be used as it&apos;s already a system-wide keyboard shortcut.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global shortcuts are not available on this desktop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On Wayland they come through the desktop&apos;s global shortcuts portal, which this desktop does not offer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Relauncher</name>
    <message>
        <source>No installed application has the identifier %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveFailureAlerts</name>
    <message>
        <source>Gapsel cannot save its settings: %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SeparatorCharacters</name>
    <message>
        <source>space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle dot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bullet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hyphen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Em dash</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SeparatorMenu</name>
    <message>
        <source>Separator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share App</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debug</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SeparatorPlacement</name>
    <message>
        <source>Move Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to Left End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to Right End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Separator ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place After</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>Gapsel Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reduced opacity</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShareAppScreen</name>
    <message>
        <source>Share %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Link…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShortcutRecorder</name>
    <message>
        <source>Press Shortcut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Shortcut</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SupportActions</name>
    <message>
        <source>Find the files that start with %1 in the %2 directory and email them to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the crashes of %1 with %2 in a terminal, save the report of the latest with %3 and email it to %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to send crash log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reveal %1 Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This system keeps nothing of a program that crashed: core dumps are off. Install systemd-coredump (then use %1 after the next crash), or run %2 in a terminal and start %3 from there; after the next crash email the files that start with %4 in that directory to %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the files that start with %1 in the folder %2 and email them to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SupportWindow</name>
    <message>
        <source>%1 Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Data &amp; Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Debug Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Debug Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Crash Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback &amp; Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TipText</name>
    <message>
        <source>Drag the menu bar item while pressing the Command key to move it to a different position in the menu bar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Move Left, Move Right or Place After to move this separator, or order all items in Panel Preferences ▸ Status Tray ▸ Known Items. The panel remembers the order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The newest icon goes leftmost, and the order is forgotten at every screen lock. Move to Left End puts this separator there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The newest icon goes rightmost, and the order is forgotten when the panel restarts. Move to Right End puts this separator there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gapsel cannot move this separator on this desktop. Copy Separator ID gives its Id, to place it in the tray&apos;s own configuration by hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The newest icon goes leftmost, and the order is forgotten when the panel restarts. Move to Left End puts this separator there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tray sorts its items by title. Place After puts this separator right after the item you choose, Move Left and Move Right past its neighbor. Gapsel keeps the place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tray shows its icons in the order they arrived, the newest at one end, and forgets the order when it restarts. Move to Left End or Move to Right End puts this separator at that end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Move Left or Move Right to move this separator, or order all items in Panel Preferences ▸ Status Tray ▸ Known Items. The panel remembers the order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tray sorts its items by title. Move Left and Move Right move this separator past its neighbor. Gapsel keeps the place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The newest icon goes rightmost. Move to Right End puts this separator there, Place After right after the item you choose; Gapsel keeps that order at its next start.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrayItemTitle</name>
    <message>
        <source>space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>middle dot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bullet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vertical line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hyphen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>em dash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrayRemedy</name>
    <message>
        <source>Add the “Status Tray” item to a panel in Panel Preferences ▸ Items.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the “Status Notifier” widget to a panel in Panel Settings ▸ Widgets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the “System Tray” widget to a panel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the “tray” module to Waybar&apos;s configuration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make sure the XApp status icon service (xapp-sn-watcher) runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the “Notification Area” applet to a panel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the “System Tray” applet to a panel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GNOME shows tray items only with the “AppIndicator and KStatusNotifierItem Support” extension: install it (package gnome-shell-extension-appindicator), turn it on in Extensions, then log out and in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart the panel or tray program; Gapsel&apos;s separators dock in it as soon as it runs again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a system tray to your panel: one that shows StatusNotifierItems, or on X11 one that takes XEmbed icons, such as trayer or stalonetray.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserDefaultsPage</name>
    <message>
        <source>More</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VisibilityCheck</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VisibilityMessages</name>
    <message>
        <source>macOS hides menu bar items when they do not fit. Try quitting some other menu bar apps.

Disregard this message if you have the menu bar set to auto hide. It will not be shown again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Status Tray&apos;s properties (Known Items, “Hidden”)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Tray Settings ▸ Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Status Notifier widget&apos;s settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tray&apos;s settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing on this desktop shows tray items, so Gapsel&apos;s separators cannot appear. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop collects tray items, but no panel shows them. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tray&apos;s own settings hide this separator. Show it again in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tray did not take this separator. Restarting the panel usually brings it back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The panel hides tray items when they do not fit. Try quitting some other tray apps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disregard this message if you have the panel set to hide automatically. It will not be shown again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Bar Item Did Not Appear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>macOS hides menu bar items when they do not fit. Try quitting some other menu bar apps. Also try quitting Bartender if it&apos;s running.

This check can have false-positives, so if you can see the menu bar item, enable “Do not show this again”, and click “OK”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This check can have false-positives, so if you can see the separator, enable “Do not show this again”, and click “OK”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separator Did Not Appear in the Tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WelcomePopover</name>
    <message>
        <source>Hello, I&apos;m %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XdgWorkspace</name>
    <message>
        <source>Could not start %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
