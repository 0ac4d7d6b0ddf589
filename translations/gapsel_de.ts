<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutPanel</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>License: %1</source>
        <translation>Lizenz: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>Alerts</name>
    <message>
        <source>Do not show this message again</source>
        <translation>Diese Meldung nicht mehr anzeigen</translation>
    </message>
</context>
<context>
    <name>AppWindows</name>
    <message>
        <source>Separators for your system tray, to divide its icons into groups.</source>
        <translation>Trenner für Ihren Infobereich, um seine Symbole in Gruppen zu teilen.</translation>
    </message>
    <message>
        <source>Copyright © The Gapsel developers</source>
        <translation>Copyright © Die Gapsel-Entwickler</translation>
    </message>
    <message>
        <source>GNU General Public License v3.0 or later</source>
        <translation>GNU General Public License v3.0 oder neuer</translation>
    </message>
</context>
<context>
    <name>DashboardPage</name>
    <message>
        <source>Copy Debug Info</source>
        <translation>Debug-Informationen kopieren</translation>
    </message>
    <message>
        <source>Delete App Data</source>
        <translation>Programmdaten löschen</translation>
    </message>
</context>
<context>
    <name>DataDeletion</name>
    <message>
        <source>Are you sure you want to delete the settings and data for %1?</source>
        <translation>Möchten Sie die Einstellungen und Daten von %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Delete all data and settings for %1?</source>
        <translation>Alle Daten und Einstellungen von %1 löschen?</translation>
    </message>
</context>
<context>
    <name>DebugWindow</name>
    <message>
        <source>Open Settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Dashboard</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Fehlersuche</translation>
    </message>
    <message>
        <source>User Defaults</source>
        <translation>Benutzervorgaben</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Protokolle</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>%1 %2 — Debug</source>
        <translation>%1 %2 — Fehlersuche</translation>
    </message>
</context>
<context>
    <name>DiagnosticSwitches</name>
    <message>
        <source>No effect on this platform.</source>
        <translation>Auf dieser Plattform ohne Wirkung.</translation>
    </message>
    <message>
        <source>Highlight Drawn Rectangles</source>
        <translation>Gezeichnete Rechtecke hervorheben</translation>
    </message>
    <message>
        <source>Draw Outlines Around Views</source>
        <translation>Umrisse um Ansichten zeichnen</translation>
    </message>
    <message>
        <source>Visualize Mutually Exclusive Constraints</source>
        <translation>Einander ausschließende Layout-Bedingungen zeigen</translation>
    </message>
    <message>
        <source>Log AppKit Events</source>
        <translation>AppKit-Ereignisse protokollieren</translation>
    </message>
    <message>
        <source>Here: logs Qt&apos;s input and window-system events (qt.qpa.input, qt.qpa.events) from the next start.</source>
        <translation>Hier: Protokolliert ab dem nächsten Start die Eingabe- und Fenstersystem-Ereignisse von Qt (qt.qpa.input, qt.qpa.events).</translation>
    </message>
    <message>
        <source>Show Internal AppKit Debug Menu</source>
        <translation>Internes AppKit-Debug-Menü anzeigen</translation>
    </message>
</context>
<context>
    <name>DiagnosticsPage</name>
    <message>
        <source>Global shortcut</source>
        <translation>Globales Tastenkürzel</translation>
    </message>
    <message>
        <source>Nothing pressed yet.</source>
        <translation>Noch nichts gedrückt.</translation>
    </message>
    <message>
        <source>Key down</source>
        <translation>Taste gedrückt</translation>
    </message>
    <message>
        <source>Key up</source>
        <translation>Taste losgelassen</translation>
    </message>
</context>
<context>
    <name>Email</name>
    <message>
        <source>(The text is too long for an email link: its oldest %1 of %2 lines were left out.)</source>
        <translation>(Der Text ist für einen E-Mail-Link zu lang: Seine ältesten %1 von %2 Zeilen wurden weggelassen.)</translation>
    </message>
    <message>
        <source>No mail program could be opened</source>
        <translation>Es konnte kein E-Mail-Programm geöffnet werden</translation>
    </message>
    <message>
        <source>Copy the text and paste it into a message to %1 in the mail program you use.</source>
        <translation>Kopieren Sie den Text und fügen Sie ihn in Ihrem E-Mail-Programm in eine Nachricht an %1 ein.</translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation>Text kopieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>LaunchAtLoginToggle</name>
    <message>
        <source>Launch at login</source>
        <translation>Bei der Anmeldung starten</translation>
    </message>
</context>
<context>
    <name>LinuxPlatform</name>
    <message>
        <source>%1 separator</source>
        <translation>%1-Trenner</translation>
    </message>
</context>
<context>
    <name>LogsPage</name>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
</context>
<context>
    <name>NoTrayNotice</name>
    <message>
        <source>%1 found no system tray</source>
        <translation>%1 hat keinen Infobereich gefunden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>NotificationPopover</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>OpenUrl</name>
    <message>
        <source>No file manager opened %1</source>
        <translation>Keine Dateiverwaltung hat %1 geöffnet</translation>
    </message>
    <message>
        <source>Install a file manager, or copy the path and open the folder yourself.</source>
        <translation>Installieren Sie eine Dateiverwaltung, oder kopieren Sie den Pfad und öffnen Sie den Ordner selbst.</translation>
    </message>
    <message>
        <source>No mail program opened a new message</source>
        <translation>Kein E-Mail-Programm hat eine neue Nachricht geöffnet</translation>
    </message>
    <message>
        <source>No mail program opened a message to %1</source>
        <translation>Kein E-Mail-Programm hat eine Nachricht an %1 geöffnet</translation>
    </message>
    <message>
        <source>Install a mail program, or copy the text below and use another one.</source>
        <translation>Installieren Sie ein E-Mail-Programm, oder kopieren Sie den Text unten und verwenden Sie ein anderes.</translation>
    </message>
    <message>
        <source>No web browser opened %1</source>
        <translation>Kein Webbrowser hat %1 geöffnet</translation>
    </message>
    <message>
        <source>Install a web browser, or copy the link and open it in one.</source>
        <translation>Installieren Sie einen Webbrowser, oder kopieren Sie den Link und öffnen Sie ihn in einem Browser.</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Pfad kopieren</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>Adresse kopieren</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PageMenu</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>RateAction</name>
    <message>
        <source>Rate on the App Store</source>
        <translation>Im App Store bewerten</translation>
    </message>
    <message>
        <source>Rate in Software Center</source>
        <translation>In der Softwareverwaltung bewerten</translation>
    </message>
    <message>
        <source>Thanks for wanting to rate %1</source>
        <translation>Danke, dass Sie %1 bewerten möchten</translation>
    </message>
    <message>
        <source>If this is about a bug or a feature request, it&apos;s recommended to instead send feedback directly to the developer. All feedback submissions will receive a quick response.</source>
        <translation>Geht es um einen Fehler oder einen Funktionswunsch, senden Sie Ihre Rückmeldung besser direkt an den Entwickler. Jede Rückmeldung wird schnell beantwortet.</translation>
    </message>
    <message>
        <source>Send Feedback to Developer</source>
        <translation>Rückmeldung an den Entwickler senden</translation>
    </message>
</context>
<context>
    <name>ReadyMadeItems</name>
    <message>
        <source>More Apps by Me</source>
        <translation>Weitere Programme von mir</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>Häufige Fragen</translation>
    </message>
    <message>
        <source>Rate App</source>
        <translation>Programm bewerten</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>%1 beenden</translation>
    </message>
</context>
<context>
    <name>RecorderCheck</name>
    <message>
        <source>Most system-wide keyboard shortcuts can be changed in “System Settings › Keyboard › Keyboard Shortcuts“.</source>
        <translation>Die meisten systemweiten Tastenkürzel lassen sich unter „Systemeinstellungen › Tastatur › Tastaturkurzbefehle“ ändern.</translation>
    </message>
    <message>
        <source>Most system-wide keyboard shortcuts can be changed in the keyboard shortcut settings of your desktop.</source>
        <translation>Die meisten systemweiten Tastenkürzel lassen sich in den Tastenkürzel-Einstellungen Ihrer Arbeitsumgebung ändern.</translation>
    </message>
    <message>
        <source>This keyboard shortcut cannot be used as it&apos;s already used by the “%1” menu item.</source>
        <translation>Dieses Tastenkürzel kann nicht verwendet werden, da es bereits der Menüeintrag „%1“ verwendet.</translation>
    </message>
    <message>
        <source>This keyboard shortcut cannot be used as it&apos;s already a system-wide keyboard shortcut.</source>
        <translation>Dieses Tastenkürzel kann nicht verwendet werden, da es bereits ein systemweites Tastenkürzel ist.</translation>
    </message>
    <message>
        <source>Global shortcuts are not available on this desktop.</source>
        <translation>Globale Tastenkürzel sind in dieser Arbeitsumgebung nicht verfügbar.</translation>
    </message>
    <message>
        <source>On Wayland they come through the desktop&apos;s global shortcuts portal, which this desktop does not offer.</source>
        <translation>Unter Wayland stellt sie das Portal für globale Tastenkürzel der Arbeitsumgebung bereit, das diese Arbeitsumgebung nicht anbietet.</translation>
    </message>
</context>
<context>
    <name>Relauncher</name>
    <message>
        <source>No installed application has the identifier %1</source>
        <translation>Kein installiertes Programm hat die Kennung %1</translation>
    </message>
</context>
<context>
    <name>SaveFailureAlerts</name>
    <message>
        <source>Gapsel cannot save its settings: %1: %2</source>
        <translation>Gapsel kann seine Einstellungen nicht speichern: %1: %2</translation>
    </message>
</context>
<context>
    <name>SeparatorCharacters</name>
    <message>
        <source>space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Middle dot</source>
        <translation>Mittelpunkt</translation>
    </message>
    <message>
        <source>Bullet</source>
        <translation>Aufzählungszeichen</translation>
    </message>
    <message>
        <source>Vertical line</source>
        <translation>Senkrechter Strich</translation>
    </message>
    <message>
        <source>Hyphen</source>
        <translation>Bindestrich</translation>
    </message>
    <message>
        <source>Em dash</source>
        <translation>Geviertstrich</translation>
    </message>
</context>
<context>
    <name>SeparatorMenu</name>
    <message>
        <source>Separator</source>
        <translation>Trenner</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>Rückmeldung senden …</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Share App</source>
        <translation>Programm teilen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Fehlersuche</translation>
    </message>
</context>
<context>
    <name>SeparatorPlacement</name>
    <message>
        <source>Move to Left End</source>
        <translation>Ganz nach links verschieben</translation>
    </message>
    <message>
        <source>Move to Right End</source>
        <translation>Ganz nach rechts verschieben</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Nach links verschieben</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Nach rechts verschieben</translation>
    </message>
    <message>
        <source>Place After</source>
        <translation>Platzieren hinter</translation>
    </message>
    <message>
        <source>Copy Separator ID</source>
        <translation>Trenner-ID kopieren</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>Gapsel Settings</source>
        <translation>Gapsel-Einstellungen</translation>
    </message>
    <message>
        <source>Reduced opacity</source>
        <translation>Verringerte Deckkraft</translation>
    </message>
</context>
<context>
    <name>ShareAppScreen</name>
    <message>
        <source>Share %1</source>
        <translation>%1 teilen</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Share Link</source>
        <translation>Link teilen</translation>
    </message>
    <message>
        <source>Email Link…</source>
        <translation>Link per E-Mail senden …</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Link öffnen</translation>
    </message>
</context>
<context>
    <name>ShortcutRecorder</name>
    <message>
        <source>Press Shortcut</source>
        <translation>Tastenkürzel drücken</translation>
    </message>
    <message>
        <source>Record Shortcut</source>
        <translation>Tastenkürzel aufnehmen</translation>
    </message>
</context>
<context>
    <name>SupportActions</name>
    <message>
        <source>Find the files that start with %1 in the %2 directory and email them to %3</source>
        <translation>Suchen Sie im Ordner %2 die Dateien, die mit %1 beginnen, und senden Sie sie per E-Mail an %3</translation>
    </message>
    <message>
        <source>Find the crashes of %1 with %2 in a terminal, save the report of the latest with %3 and email it to %4</source>
        <translation>Suchen Sie die Abstürze von %1 mit %2 in einem Terminal, speichern Sie den Bericht des neuesten mit %3 und senden Sie ihn per E-Mail an %4</translation>
    </message>
    <message>
        <source>This system keeps nothing of a program that crashed: core dumps are off. Install systemd-coredump (then use %1 after the next crash), or run %2 in a terminal and start %3 from there; after the next crash email the files that start with %4 in that directory to %5</source>
        <translation>Dieses System bewahrt von einem abgestürzten Programm nichts auf: Speicherabzüge (Core Dumps) sind abgeschaltet. Installieren Sie systemd-coredump (und verwenden Sie nach dem nächsten Absturz %1), oder führen Sie %2 in einem Terminal aus und starten Sie %3 von dort; senden Sie nach dem nächsten Absturz die Dateien in diesem Ordner, die mit %4 beginnen, per E-Mail an %5</translation>
    </message>
    <message>
        <source>How to send crash log</source>
        <translation>So senden Sie ein Absturzprotokoll</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reveal %1 Directory</source>
        <translation>Ordner %1 anzeigen</translation>
    </message>
    <message>
        <source>Find the files that start with %1 in the folder %2 and email them to %3</source>
        <translation>Suchen Sie im Ordner %2 die Dateien, die mit %1 beginnen, und senden Sie sie per E-Mail an %3</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
</context>
<context>
    <name>SupportWindow</name>
    <message>
        <source>%1 Support</source>
        <translation>Hilfe zu %1</translation>
    </message>
    <message>
        <source>Delete Data &amp; Settings</source>
        <translation>Daten &amp; Einstellungen löschen</translation>
    </message>
    <message>
        <source>Copy Debug Info</source>
        <translation>Debug-Informationen kopieren</translation>
    </message>
    <message>
        <source>Email Debug Info</source>
        <translation>Debug-Informationen per E-Mail senden</translation>
    </message>
    <message>
        <source>Send Crash Log</source>
        <translation>Absturzprotokoll senden</translation>
    </message>
    <message>
        <source>Feedback &amp; Support</source>
        <translation>Rückmeldung &amp; Hilfe</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
</context>
<context>
    <name>TipText</name>
    <message>
        <source>The newest icon goes leftmost, and the order is forgotten when the panel restarts. Move to Left End puts this separator there.</source>
        <translation>Das neueste Symbol kommt ganz nach links, und die Reihenfolge geht verloren, wenn die Leiste neu startet. „Ganz nach links verschieben“ setzt diesen Trenner dorthin.</translation>
    </message>
    <message>
        <source>Drag the menu bar item while pressing the Command key to move it to a different position in the menu bar.</source>
        <translation>Ziehen Sie das Menüleistensymbol bei gedrückter Befehlstaste an eine andere Stelle der Menüleiste.</translation>
    </message>
    <message>
        <source>Use Move Left, Move Right or Place After to move this separator, or order all items in Panel Preferences ▸ Status Tray ▸ Known Items. The panel remembers the order.</source>
        <translation>Verschieben Sie diesen Trenner mit „Nach links verschieben“, „Nach rechts verschieben“ oder „Platzieren hinter“, oder ordnen Sie alle Elemente unter Leisteneinstellungen ▸ Status Tray ▸ Bekannte Elemente. Die Leiste merkt sich die Reihenfolge.</translation>
    </message>
    <message>
        <source>The tray sorts its items by title. Place After puts this separator right after the item you choose, Move Left and Move Right past its neighbor. Gapsel keeps the place.</source>
        <translation>Der Infobereich sortiert seine Elemente nach Titel. „Platzieren hinter“ setzt diesen Trenner direkt hinter das gewählte Element, „Nach links verschieben“ und „Nach rechts verschieben“ an seinem Nachbarn vorbei. Gapsel merkt sich die Stelle.</translation>
    </message>
    <message>
        <source>The newest icon goes leftmost, and the order is forgotten at every screen lock. Move to Left End puts this separator there.</source>
        <translation>Das neueste Symbol kommt ganz nach links, und die Reihenfolge geht bei jeder Bildschirmsperre verloren. „Ganz nach links verschieben“ setzt diesen Trenner dorthin.</translation>
    </message>
    <message>
        <source>The newest icon goes rightmost, and the order is forgotten when the panel restarts. Move to Right End puts this separator there.</source>
        <translation>Das neueste Symbol kommt ganz nach rechts, und die Reihenfolge geht verloren, wenn die Leiste neu startet. „Ganz nach rechts verschieben“ setzt diesen Trenner dorthin.</translation>
    </message>
    <message>
        <source>The tray shows its icons in the order they arrived, the newest at one end, and forgets the order when it restarts. Move to Left End or Move to Right End puts this separator at that end.</source>
        <translation>Der Infobereich zeigt seine Symbole in der Reihenfolge ihres Eintreffens, das neueste an einem Ende, und vergisst die Reihenfolge, wenn er neu startet. „Ganz nach links verschieben“ oder „Ganz nach rechts verschieben“ setzt diesen Trenner an dieses Ende.</translation>
    </message>
    <message>
        <source>Gapsel cannot move this separator on this desktop. Copy Separator ID gives its Id, to place it in the tray&apos;s own configuration by hand.</source>
        <translation>Gapsel kann diesen Trenner in dieser Arbeitsumgebung nicht verschieben. „Trenner-ID kopieren“ liefert seine ID, um ihn von Hand in der Konfiguration des Infobereichs einzuordnen.</translation>
    </message>
    <message>
        <source>Use Move Left or Move Right to move this separator, or order all items in Panel Preferences ▸ Status Tray ▸ Known Items. The panel remembers the order.</source>
        <translation>Verschieben Sie diesen Trenner mit „Nach links verschieben“ oder „Nach rechts verschieben“, oder ordnen Sie alle Elemente unter Leisteneinstellungen ▸ Status Tray ▸ Bekannte Elemente. Die Leiste merkt sich die Reihenfolge.</translation>
    </message>
    <message>
        <source>The tray sorts its items by title. Move Left and Move Right move this separator past its neighbor. Gapsel keeps the place.</source>
        <translation>Der Infobereich sortiert seine Elemente nach Titel. „Nach links verschieben“ und „Nach rechts verschieben“ setzen diesen Trenner an seinem Nachbarn vorbei. Gapsel merkt sich die Stelle.</translation>
    </message>
    <message>
        <source>The newest icon goes rightmost. Move to Right End puts this separator there, Place After right after the item you choose; Gapsel keeps that order at its next start.</source>
        <translation>Das neueste Symbol kommt ganz nach rechts. „Ganz nach rechts verschieben“ setzt diesen Trenner dorthin, „Platzieren hinter“ direkt hinter das gewählte Element; Gapsel stellt diese Reihenfolge beim nächsten Start wieder her.</translation>
    </message>
</context>
<context>
    <name>TrayItemTitle</name>
    <message>
        <source>space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>middle dot</source>
        <translation>Mittelpunkt</translation>
    </message>
    <message>
        <source>bullet</source>
        <translation>Aufzählungspunkt</translation>
    </message>
    <message>
        <source>vertical line</source>
        <translation>senkrechter Strich</translation>
    </message>
    <message>
        <source>hyphen</source>
        <translation>Bindestrich</translation>
    </message>
    <message>
        <source>em dash</source>
        <translation>Geviertstrich</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>TrayRemedy</name>
    <message>
        <source>GNOME shows tray items only with the “AppIndicator and KStatusNotifierItem Support” extension: install it (package gnome-shell-extension-appindicator), turn it on in Extensions, then log out and in again.</source>
        <translation>GNOME zeigt Elemente des Infobereichs nur mit der Erweiterung „AppIndicator and KStatusNotifierItem Support“: Installieren Sie sie (Paket gnome-shell-extension-appindicator), schalten Sie sie unter „Erweiterungen“ ein, und melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>Add the “Status Tray” item to a panel in Panel Preferences ▸ Items.</source>
        <translation>Fügen Sie einer Leiste unter Leisteneinstellungen ▸ Objekte das Objekt „Status Tray“ hinzu.</translation>
    </message>
    <message>
        <source>Add the “Status Notifier” widget to a panel in Panel Settings ▸ Widgets.</source>
        <translation>Fügen Sie einer Leiste unter Leisteneinstellungen ▸ Widgets das Widget „Status Notifier“ hinzu.</translation>
    </message>
    <message>
        <source>Add the “System Tray” widget to a panel.</source>
        <translation>Fügen Sie einer Kontrollleiste das Miniprogramm „Systemabschnitt“ hinzu.</translation>
    </message>
    <message>
        <source>Add the “tray” module to Waybar&apos;s configuration.</source>
        <translation>Fügen Sie der Konfiguration von Waybar das Modul „tray“ hinzu.</translation>
    </message>
    <message>
        <source>Make sure the XApp status icon service (xapp-sn-watcher) runs.</source>
        <translation>Stellen Sie sicher, dass der XApp-Dienst für Statussymbole (xapp-sn-watcher) läuft.</translation>
    </message>
    <message>
        <source>Add the “Notification Area” applet to a panel.</source>
        <translation>Fügen Sie einem Panel das Applet „Benachrichtigungsfeld“ hinzu.</translation>
    </message>
    <message>
        <source>Add the “System Tray” applet to a panel.</source>
        <translation>Fügen Sie einer Leiste das Applet „System Tray“ hinzu.</translation>
    </message>
    <message>
        <source>Restart the panel or tray program; Gapsel&apos;s separators dock in it as soon as it runs again.</source>
        <translation>Starten Sie die Leiste oder das Programm des Infobereichs neu; die Trenner von Gapsel docken dort an, sobald es wieder läuft.</translation>
    </message>
    <message>
        <source>Add a system tray to your panel: one that shows StatusNotifierItems, or on X11 one that takes XEmbed icons, such as trayer or stalonetray.</source>
        <translation>Fügen Sie Ihrer Leiste einen Infobereich hinzu: einen, der StatusNotifierItems zeigt, oder unter X11 einen, der XEmbed-Symbole aufnimmt, etwa trayer oder stalonetray.</translation>
    </message>
</context>
<context>
    <name>UserDefaultsPage</name>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
</context>
<context>
    <name>VisibilityCheck</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
</context>
<context>
    <name>VisibilityMessages</name>
    <message>
        <source>Menu Bar Item Did Not Appear</source>
        <translation>Menüleistensymbol ist nicht erschienen</translation>
    </message>
    <message>
        <source>macOS hides menu bar items when they do not fit. Try quitting some other menu bar apps.

Disregard this message if you have the menu bar set to auto hide. It will not be shown again.</source>
        <translation>macOS blendet Menüleistensymbole aus, wenn sie nicht hineinpassen. Beenden Sie testweise einige andere Menüleisten-Apps.

Ignorieren Sie diese Meldung, wenn Ihre Menüleiste automatisch ausgeblendet wird. Sie wird nicht erneut angezeigt.</translation>
    </message>
    <message>
        <source>macOS hides menu bar items when they do not fit. Try quitting some other menu bar apps. Also try quitting Bartender if it&apos;s running.

This check can have false-positives, so if you can see the menu bar item, enable “Do not show this again”, and click “OK”.</source>
        <translation>macOS blendet Menüleistensymbole aus, wenn sie nicht hineinpassen. Beenden Sie testweise einige andere Menüleisten-Apps und auch Bartender, falls es läuft.

Diese Prüfung kann sich irren: Wenn Sie das Menüleistensymbol sehen, aktivieren Sie „Nicht mehr anzeigen“ und klicken Sie auf „OK“.</translation>
    </message>
    <message>
        <source>the Status Tray&apos;s properties (Known Items, “Hidden”)</source>
        <translation>den Eigenschaften des Status Tray (Bekannte Elemente, „Versteckt“)</translation>
    </message>
    <message>
        <source>System Tray Settings ▸ Entries</source>
        <translation>Systemabschnitt-Einstellungen ▸ Einträge</translation>
    </message>
    <message>
        <source>the Status Notifier widget&apos;s settings</source>
        <translation>den Einstellungen des Widgets „Status Notifier“</translation>
    </message>
    <message>
        <source>the tray&apos;s settings</source>
        <translation>den Einstellungen des Infobereichs</translation>
    </message>
    <message>
        <source>Nothing on this desktop shows tray items, so Gapsel&apos;s separators cannot appear. %1</source>
        <translation>In dieser Arbeitsumgebung zeigt nichts die Elemente des Infobereichs an, daher können die Trenner von Gapsel nicht erscheinen. %1</translation>
    </message>
    <message>
        <source>This desktop collects tray items, but no panel shows them. %1</source>
        <translation>Diese Arbeitsumgebung sammelt Elemente des Infobereichs, aber keine Leiste zeigt sie an. %1</translation>
    </message>
    <message>
        <source>The tray&apos;s own settings hide this separator. Show it again in %1.</source>
        <translation>Die Einstellungen des Infobereichs blenden diesen Trenner aus. Blenden Sie ihn in %1 wieder ein.</translation>
    </message>
    <message>
        <source>The tray did not take this separator. Restarting the panel usually brings it back.</source>
        <translation>Der Infobereich hat diesen Trenner nicht aufgenommen. Ein Neustart der Leiste bringt ihn meist zurück.</translation>
    </message>
    <message>
        <source>The panel hides tray items when they do not fit. Try quitting some other tray apps.</source>
        <translation>Die Leiste blendet Elemente des Infobereichs aus, wenn sie nicht hineinpassen. Beenden Sie testweise einige andere Programme im Infobereich.</translation>
    </message>
    <message>
        <source>Separator Did Not Appear in the Tray</source>
        <translation>Trenner ist nicht im Infobereich erschienen</translation>
    </message>
    <message>
        <source>Disregard this message if you have the panel set to hide automatically. It will not be shown again.</source>
        <translation>Ignorieren Sie diese Meldung, wenn Ihre Leiste automatisch ausgeblendet wird. Sie wird nicht erneut angezeigt.</translation>
    </message>
    <message>
        <source>This check can have false-positives, so if you can see the separator, enable “Do not show this again”, and click “OK”.</source>
        <translation>Diese Prüfung kann sich irren: Wenn Sie den Trenner sehen, aktivieren Sie „Nicht mehr anzeigen“ und klicken Sie auf „OK“.</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
</context>
<context>
    <name>WelcomePopover</name>
    <message>
        <source>Hello, I&apos;m %1</source>
        <translation>Hallo, ich bin %1</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>XdgWorkspace</name>
    <message>
        <source>Could not start %1: %2</source>
        <translation>%1 konnte nicht gestartet werden: %2</translation>
    </message>
</context>
</TS>
