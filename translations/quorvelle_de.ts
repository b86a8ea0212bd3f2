<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ColourCodes</name>
    <message>
        <source>White </source>
        <translation>Weiß </translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>Welcome Text</source>
        <translation>Begrüßungstext</translation>
    </message>
    <message>
        <source>Join/Leave Text</source>
        <translation>Betreten und Verlassen</translation>
    </message>
    <message>
        <source>Change NickName</source>
        <translation>Nickname-Änderung</translation>
    </message>
    <message>
        <source>Change User Status</source>
        <translation>Statusänderung</translation>
    </message>
    <message>
        <source>Change Subject</source>
        <translation>Themenänderung</translation>
    </message>
    <message>
        <source>Receive Message</source>
        <translation>Nachricht empfangen</translation>
    </message>
    <message>
        <source>Receive Confirmation</source>
        <translation>Bestätigung empfangen</translation>
    </message>
    <message>
        <source>Send Beep</source>
        <translation>Signal senden</translation>
    </message>
    <message>
        <source>Receive Beep</source>
        <translation>Signal empfangen</translation>
    </message>
    <message>
        <source>System Errors</source>
        <translation>Systemfehler</translation>
    </message>
    <message>
        <source>External Users Text</source>
        <translation>Text anderer Benutzer</translation>
    </message>
    <message>
        <source>Local Your Text</source>
        <translation>Eigener Text</translation>
    </message>
    <message>
        <source>&gt;&gt;Double Quote</source>
        <translation>&gt;&gt;Doppeltes Zitat</translation>
    </message>
    <message>
        <source>&gt;Single Quote</source>
        <translation>&gt;Einfaches Zitat</translation>
    </message>
    <message>
        <source>Your Text Message</source>
        <translation>Eigener Nachrichtentext</translation>
    </message>
</context>
<context>
    <name>Diagnostics</name>
    <message>
        <source>in use by another program</source>
        <translation>von einem anderen Programm belegt</translation>
    </message>
    <message>
        <source>not open (%1)</source>
        <translation>nicht geöffnet (%1)</translation>
    </message>
    <message>
        <source>UDP port %1 is in use by another program: this computer cannot hear the net. Close that program, or choose another port in UDP Connection (every peer must use the same).</source>
        <translation>Der UDP-Port %1 wird von einem anderen Programm belegt: Dieser Computer kann das Netz nicht hören. Schließen Sie das Programm, oder wählen Sie unter „UDP-Verbindung“ einen anderen Port (alle Teilnehmer müssen denselben verwenden).</translation>
    </message>
    <message>
        <source>UDP port %1 could not be opened: %2.</source>
        <translation>Der UDP-Port %1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>No network interface is up: connect a cable or join a network.</source>
        <translation>Keine Netzwerkschnittstelle ist aktiv: Schließen Sie ein Kabel an, oder verbinden Sie sich mit einem Netzwerk.</translation>
    </message>
    <message>
        <source>The test broadcast did not come back: the firewall of this computer may be blocking UDP port %1, or no route leads to the broadcast addresses.</source>
        <translation>Der Test-Broadcast kam nicht zurück: Möglicherweise blockiert die Firewall dieses Computers den UDP-Port %1, oder keine Route führt zu den Broadcast-Adressen.</translation>
    </message>
    <message>
        <source>Nothing is broadcast on %1 (%2): turn on &quot;Broadcast on every network interface&quot; in UDP Connection, or add %3 to its addresses.</source>
        <translation>Über %1 (%2) wird nichts gesendet: Aktivieren Sie „Auf allen Netzwerkschnittstellen senden“ unter „UDP-Verbindung“, oder fügen Sie %3 zu den Adressen hinzu.</translation>
    </message>
    <message>
        <source>Nobody answered on %1 (%2) in %3 s. A firewall may be blocking UDP port %4.</source>
        <translation>Über %1 (%2) hat innerhalb von %3 s niemand geantwortet. Möglicherweise blockiert eine Firewall den UDP-Port %4.</translation>
    </message>
    <message>
        <source>File port %1 is in use by another program: files sent to you cannot arrive.</source>
        <translation>Der Dateiport %1 wird von einem anderen Programm belegt: An Sie gesendete Dateien können nicht ankommen.</translation>
    </message>
    <message>
        <source>File port %1 could not be opened: %2.</source>
        <translation>Der Dateiport %1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message numerus="yes">
        <source>The system dropped %n datagram(s) for a full receive buffer. On Linux, raise net.core.rmem_max (sysctl -w net.core.rmem_max=4194304).</source>
        <translation>
            <numerusform>Das System hat %n Datagramm wegen eines vollen Empfangspuffers verworfen. Erhöhen Sie unter Linux net.core.rmem_max (sysctl -w net.core.rmem_max=4194304).</numerusform>
            <numerusform>Das System hat %n Datagramme wegen eines vollen Empfangspuffers verworfen. Erhöhen Sie unter Linux net.core.rmem_max (sysctl -w net.core.rmem_max=4194304).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The net works: %n peer(s) answered.</source>
        <translation>
            <numerusform>Das Netz funktioniert: %n Teilnehmer hat geantwortet.</numerusform>
            <numerusform>Das Netz funktioniert: %n Teilnehmer haben geantwortet.</numerusform>
        </translation>
    </message>
    <message>
        <source>No problem found.</source>
        <translation>Kein Problem gefunden.</translation>
    </message>
    <message>
        <source>Network diagnostics, %1</source>
        <translation>Netzwerkdiagnose, %1</translation>
    </message>
    <message>
        <source>Nick: %1</source>
        <translation>Nickname: %1</translation>
    </message>
    <message>
        <source>Interfaces:</source>
        <translation>Schnittstellen:</translation>
    </message>
    <message>
        <source>loopback</source>
        <translation>Loopback</translation>
    </message>
    <message>
        <source>up</source>
        <translation>aktiv</translation>
    </message>
    <message>
        <source>down</source>
        <translation>inaktiv</translation>
    </message>
    <message>
        <source>broadcast %1, %2</source>
        <translation>Broadcast %1, %2</translation>
    </message>
    <message>
        <source>Broadcast addresses: %1</source>
        <translation>Broadcast-Adressen: %1</translation>
    </message>
    <message>
        <source>  255.255.255.255 is sent on every interface</source>
        <translation>  255.255.255.255 wird über jede Schnittstelle gesendet</translation>
    </message>
    <message>
        <source>  255.255.255.255 leaves by the default route only</source>
        <translation>  255.255.255.255 geht nur über die Standardroute hinaus</translation>
    </message>
    <message>
        <source>UDP port</source>
        <translation>UDP-Port</translation>
    </message>
    <message>
        <source>open</source>
        <translation>geöffnet</translation>
    </message>
    <message>
        <source>File port</source>
        <translation>Dateiport</translation>
    </message>
    <message>
        <source>listening</source>
        <translation>wartet auf Verbindungen</translation>
    </message>
    <message>
        <source>Receive buffer: asked for %1 bytes, granted %2; dropped by the system: %3, by the program: %4</source>
        <translation>Empfangspuffer: %1 Bytes angefordert, %2 gewährt; vom System verworfen: %3, vom Programm: %4</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Test &quot;?&quot; to the net, answers awaited %1 s:</source>
        <translation>Test „?“ an das Netz, auf Antworten gewartet: %1 s:</translation>
    </message>
    <message>
        <source>  it did not come back</source>
        <translation>  er kam nicht zurück</translation>
    </message>
    <message>
        <source>  it came back by %1</source>
        <translation>  er kam zurück über %1</translation>
    </message>
    <message>
        <source>  nobody answered</source>
        <translation>  niemand hat geantwortet</translation>
    </message>
    <message>
        <source>  %1 answered from %2 by %3 in %4 ms</source>
        <translation>  %1 antwortete von %2 über %3 in %4 ms</translation>
    </message>
    <message>
        <source>a router</source>
        <translation>einen Router</translation>
    </message>
    <message>
        <source>Findings:</source>
        <translation>Ergebnisse:</translation>
    </message>
    <message>
        <source>Quorvelle runs on this computer and holds UDP port %1: its Network Diagnostics (Configuration menu) tests the net through its own sockets.</source>
        <translation>Quorvelle läuft auf diesem Computer und belegt UDP-Port %1: seine Netzwerkdiagnose (Menü „Einstellungen“) prüft das Netz über seine eigenen Sockets.</translation>
    </message>
    <message>
        <source>held by the running Quorvelle</source>
        <translation>vom laufenden Quorvelle belegt</translation>
    </message>
</context>
<context>
    <name>SoundEvents</name>
    <message>
        <source>Join Network</source>
        <translation>Netz betreten</translation>
    </message>
    <message>
        <source>Leave Network</source>
        <translation>Netz verlassen</translation>
    </message>
    <message>
        <source>Join Chanel</source>
        <translation>Kanal betreten</translation>
    </message>
    <message>
        <source>Leave Chanel</source>
        <translation>Kanal verlassen</translation>
    </message>
    <message>
        <source>Join Private Chat</source>
        <translation>Privatchat betreten</translation>
    </message>
    <message>
        <source>Leave Private Chat</source>
        <translation>Privatchat verlassen</translation>
    </message>
    <message>
        <source>Change NickName</source>
        <translation>Nickname-Änderung</translation>
    </message>
    <message>
        <source>Change User Status</source>
        <translation>Statusänderung eines Benutzers</translation>
    </message>
    <message>
        <source>Change Subject</source>
        <translation>Themenänderung</translation>
    </message>
    <message>
        <source>Receive Message</source>
        <translation>Nachricht empfangen</translation>
    </message>
    <message>
        <source>Receive Mass Message</source>
        <translation>Rundnachricht empfangen</translation>
    </message>
    <message>
        <source>Receive Confirmation</source>
        <translation>Bestätigung empfangen</translation>
    </message>
    <message>
        <source>Receive Beep</source>
        <translation>Signal empfangen</translation>
    </message>
    <message>
        <source>Receive Chat Line</source>
        <translation>Neue Chatzeile</translation>
    </message>
</context>
<context>
    <name>Switches</name>
    <message>
        <source>Join/Leave Network</source>
        <translation>Netz betreten/verlassen</translation>
    </message>
    <message>
        <source>Join/Leave Chanel</source>
        <translation>Kanal betreten/verlassen</translation>
    </message>
    <message>
        <source>Join/Leave Private Chat</source>
        <translation>Privatchat betreten/verlassen</translation>
    </message>
    <message>
        <source>Change NickName</source>
        <translation>Nickname-Änderung</translation>
    </message>
    <message>
        <source>Change User Status</source>
        <translation>Statusänderung</translation>
    </message>
    <message>
        <source>Change Subject</source>
        <translation>Themenänderung</translation>
    </message>
    <message>
        <source>Receive Message</source>
        <translation>Nachricht empfangen</translation>
    </message>
    <message>
        <source>Receive Beep</source>
        <translation>Signal empfangen</translation>
    </message>
    <message>
        <source>Message Confirmation</source>
        <translation>Nachrichtenbestätigung</translation>
    </message>
    <message>
        <source>Beep Confirmation</source>
        <translation>Signalbestätigung</translation>
    </message>
    <message>
        <source>System Errors</source>
        <translation>Systemfehler</translation>
    </message>
    <message>
        <source>System Strings</source>
        <translation>Systemzeilen</translation>
    </message>
    <message>
        <source>Users Strings</source>
        <translation>Benutzerzeilen</translation>
    </message>
    <message>
        <source>Show Seconds</source>
        <translation>Sekunden anzeigen</translation>
    </message>
    <message>
        <source>Main Chanel</source>
        <translation>Hauptkanal</translation>
    </message>
    <message>
        <source>Other Chanels</source>
        <translation>Andere Kanäle</translation>
    </message>
    <message>
        <source>Privats Chats</source>
        <translation>Privatchats</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Active Program</source>
        <translation>Aktives Programm</translation>
    </message>
    <message>
        <source>Show Smiles</source>
        <translation>Smileys anzeigen</translation>
    </message>
    <message>
        <source>Show Recent History</source>
        <translation>Letzten Verlauf anzeigen</translation>
    </message>
    <message>
        <source>Save State</source>
        <translation>Zustand speichern</translation>
    </message>
    <message>
        <source>Save Size</source>
        <translation>Größe speichern</translation>
    </message>
    <message>
        <source>Save Position</source>
        <translation>Position speichern</translation>
    </message>
    <message>
        <source>On Popup Chat Window</source>
        <translation>Beim Einblenden des Chatfensters</translation>
    </message>
    <message>
        <source>Show Hint in Tray</source>
        <translation>Hinweis im Infobereich anzeigen</translation>
    </message>
    <message>
        <source>Flash in Tray</source>
        <translation>Im Infobereich blinken</translation>
    </message>
    <message>
        <source>Popup Chat Window</source>
        <translation>Chatfenster bei neuen Zeilen einblenden</translation>
    </message>
    <message>
        <source>&amp;Update History?</source>
        <translation>Verlauf &amp;aktualisieren?</translation>
    </message>
</context>
<context>
    <name>TConnFm</name>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source> BroadCast addresses: </source>
        <translation> Broadcast-Adressen: </translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>UDP Port:</source>
        <translation>UDP-Port:</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Codepage:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Broadcast on every network interface</source>
        <translation>Auf allen Netzwerkschnittstellen senden</translation>
    </message>
    <message>
        <source>The address 255.255.255.255 goes out on every network this computer is attached to, so peers on each of them hear it</source>
        <translation>Die Adresse 255.255.255.255 wird in jedes Netz gesendet, mit dem dieser Computer verbunden ist, sodass die Teilnehmer in jedem davon sie hören</translation>
    </message>
</context>
<context>
    <name>TMainFm</name>
    <message>
        <source> Subject by </source>
        <translation> Thema von </translation>
    </message>
    <message>
        <source> NickName: </source>
        <translation> Nickname: </translation>
    </message>
    <message>
        <source>Nick history</source>
        <translation>Nickname-Verlauf</translation>
    </message>
    <message>
        <source>▾</source>
        <translation>▾</translation>
    </message>
    <message>
        <source> Users: 0 </source>
        <translation> Benutzer: 0 </translation>
    </message>
    <message>
        <source>Refresh UsersList</source>
        <translation>Benutzerliste aktualisieren</translation>
    </message>
    <message>
        <source>↻</source>
        <translation>↻</translation>
    </message>
</context>
<context>
    <name>TransferStatus</name>
    <message>
        <source>Connecting to %1</source>
        <translation>Verbindung zu %1 wird hergestellt</translation>
    </message>
    <message>
        <source>No Answer %1, Waiting</source>
        <translation>Keine Antwort %1, warte</translation>
    </message>
    <message>
        <source>Sending to %1</source>
        <translation>Senden an %1</translation>
    </message>
    <message>
        <source>Send OK</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Receiving from %1</source>
        <translation>Empfangen von %1</translation>
    </message>
    <message>
        <source>Receive OK</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Can&apos;t Connect to %1</source>
        <translation>Keine Verbindung zu %1 möglich</translation>
    </message>
</context>
<context>
    <name>UserInfo</name>
    <message>
        <source>%1 Info</source>
        <translation>Info zu %1</translation>
    </message>
    <message>
        <source>Using: Quorvelle  v.%1</source>
        <translation>Verwendet: Quorvelle  v.%1</translation>
    </message>
    <message>
        <source> Kb</source>
        <translation> KB</translation>
    </message>
</context>
<context>
    <name>quorvelle::chat::EditMenus</name>
    <message>
        <source>Copy Line to Macros</source>
        <translation>Zeile in Makro kopieren</translation>
    </message>
    <message>
        <source>KLC Convert</source>
        <translation>Tastaturlayout umwandeln</translation>
    </message>
    <message>
        <source>Clear Line</source>
        <translation>Zeile leeren</translation>
    </message>
    <message>
        <source>Send Line</source>
        <translation>Zeile senden</translation>
    </message>
    <message>
        <source>Previous Line</source>
        <translation>Vorherige Zeile</translation>
    </message>
    <message>
        <source>Next Line</source>
        <translation>Nächste Zeile</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Set Color</source>
        <translation>Farbe festlegen</translation>
    </message>
    <message>
        <source>Paste Line from Macros</source>
        <translation>Zeile aus Makro einfügen</translation>
    </message>
    <message>
        <source>Smiles</source>
        <translation>Smileys</translation>
    </message>
</context>
<context>
    <name>quorvelle::chat::FindBar</name>
    <message>
        <source>Find in this conversation</source>
        <translation>In dieser Unterhaltung suchen</translation>
    </message>
    <message>
        <source>Older match (Enter)</source>
        <translation>Älterer Treffer (Enter)</translation>
    </message>
    <message>
        <source>Newer match (Shift+Enter)</source>
        <translation>Neuerer Treffer (Shift+Enter)</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Schließen (Esc)</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
</context>
<context>
    <name>quorvelle::chat::InputLine</name>
    <message>
        <source>The code page %1 cannot carry %2: they will go out as &quot;?&quot;.</source>
        <translation>Die Codepage %1 kann %2 nicht darstellen; diese Zeichen werden als „?“ gesendet.</translation>
    </message>
</context>
<context>
    <name>quorvelle::chat::TChannelsFm</name>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source> Your List of Channels: </source>
        <translation> Eigene Kanalliste: </translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Join the Channel</source>
        <translation>Kanal betreten</translation>
    </message>
    <message>
        <source> Created Channels: </source>
        <translation> Erstellte Kanäle: </translation>
    </message>
    <message>
        <source>Ask the net again (Ctrl+R)</source>
        <translation>Netz erneut abfragen (Strg+R)</translation>
    </message>
    <message>
        <source>Add to List</source>
        <translation>Zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>A channel name cannot hold &quot;/&quot;, &quot;\&quot; or control characters.</source>
        <translation>Ein Kanalname darf weder „/“ noch „\“ noch Steuerzeichen enthalten.</translation>
    </message>
</context>
<context>
    <name>quorvelle::chat::TSoundFm</name>
    <message>
        <source>Sound Events</source>
        <translation>Klangereignisse</translation>
    </message>
    <message>
        <source> Play Sound on Events: </source>
        <translation> Klang bei Ereignissen: </translation>
    </message>
    <message>
        <source>Enable All Sounds (Master switch)</source>
        <translation>Alle Klänge aktivieren (Hauptschalter)</translation>
    </message>
    <message>
        <source>No Sounds in Hide Chat</source>
        <translation>Keine Klänge bei ausgeblendetem Chat</translation>
    </message>
    <message>
        <source>In DND</source>
        <translation>Bei „Nicht stören“</translation>
    </message>
    <message>
        <source>In Away</source>
        <translation>Bei „Abwesend“</translation>
    </message>
    <message>
        <source>Event:</source>
        <translation>Ereignis:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>WaveFile</source>
        <translation>WAV-Datei</translation>
    </message>
    <message>
        <source>PC Speaker</source>
        <translation>PC-Lautsprecher</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select Wave File</source>
        <translation>WAV-Datei auswählen</translation>
    </message>
    <message>
        <source>Wave Files (*.wav);;All Files (*)</source>
        <translation>WAV-Dateien (*.wav);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>quorvelle::chat::TabCommands</name>
    <message>
        <source>Are you sure want<byte value="xd"/>
to exit now?</source>
        <translation>Möchten Sie das Programm<byte value="xd"/>
jetzt wirklich beenden?</translation>
    </message>
</context>
<context>
    <name>quorvelle::history::TSearchFm</name>
    <message>
        <source>Search History</source>
        <translation>Verlauf durchsuchen</translation>
    </message>
    <message>
        <source>Text to find in every log and message</source>
        <translation>Suchtext für alle Protokolle und Nachrichten</translation>
    </message>
    <message>
        <source>All conversations</source>
        <translation>Alle Unterhaltungen</translation>
    </message>
    <message>
        <source>Any nick</source>
        <translation>Beliebiger Nickname</translation>
    </message>
    <message>
        <source>Days from</source>
        <translation>Zeitraum von</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Conversation</source>
        <translation>Unterhaltung</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Nick</source>
        <translation>Nickname</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message numerus="yes">
        <source>%n found so far</source>
        <translation>
            <numerusform>Bisher %n Treffer gefunden</numerusform>
            <numerusform>Bisher %n Treffer gefunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %n found</source>
        <translation>
            <numerusform>Angehalten: %n Treffer gefunden</numerusform>
            <numerusform>Angehalten: %n Treffer gefunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n found</source>
        <translation>
            <numerusform>%n Treffer gefunden</numerusform>
            <numerusform>%n Treffer gefunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quorvelle::messages::ArchiveModel</name>
    <message>
        <source>Date Time:</source>
        <translation>Datum und Uhrzeit:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>An:</translation>
    </message>
    <message>
        <source>Message Text:</source>
        <translation>Nachrichtentext:</translation>
    </message>
</context>
<context>
    <name>quorvelle::messages::TMessArchFm</name>
    <message>
        <source>Filter by text or nick</source>
        <translation>Nach Text oder Nickname filtern</translation>
    </message>
    <message>
        <source>Messages Archive</source>
        <translation>Nachrichtenarchiv</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Incoming</source>
        <translation>Eingehend</translation>
    </message>
    <message>
        <source>Outgoing</source>
        <translation>Ausgehend</translation>
    </message>
    <message>
        <source>No Messages Loaded</source>
        <translation>Keine Nachrichten geladen</translation>
    </message>
    <message>
        <source>Messages Loaded: %1</source>
        <translation>Geladene Nachrichten: %1</translation>
    </message>
</context>
<context>
    <name>quorvelle::messages::TMessFm</name>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Senden</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Private Chat</source>
        <translation>Privatchat</translation>
    </message>
    <message>
        <source>&amp;Reply</source>
        <translation>A&amp;ntworten</translation>
    </message>
    <message>
        <source>&amp;Quote</source>
        <translation>&amp;Zitieren</translation>
    </message>
    <message>
        <source> [%1 - %2] Incoming text: </source>
        <translation> [%1 - %2] Eingehender Text: </translation>
    </message>
    <message>
        <source> Outgoing text: </source>
        <translation> Ausgehender Text: </translation>
    </message>
    <message>
        <source>Мass Message</source>
        <translation>Rundnachricht</translation>
    </message>
</context>
<context>
    <name>quorvelle::messages::TUserInfoFm</name>
    <message>
        <source> System: </source>
        <translation> System: </translation>
    </message>
    <message>
        <source>- = User = -</source>
        <translation>- = Benutzer = -</translation>
    </message>
    <message>
        <source>- = Computer = -</source>
        <translation>- = Computer = -</translation>
    </message>
    <message>
        <source> Memory: </source>
        <translation> Speicher: </translation>
    </message>
    <message>
        <source>- = Used = -</source>
        <translation>- = Belegt = -</translation>
    </message>
    <message>
        <source>- = Total = -</source>
        <translation>- = Gesamt = -</translation>
    </message>
    <message>
        <source> Active Program: </source>
        <translation> Aktives Programm: </translation>
    </message>
    <message>
        <source>Window:</source>
        <translation>Fenster:</translation>
    </message>
    <message>
        <source>Process:</source>
        <translation>Prozess:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
</context>
<context>
    <name>quorvelle::platform::PortalHotKey</name>
    <message>
        <source>Show the Quorvelle window</source>
        <translation>Quorvelle-Fenster anzeigen</translation>
    </message>
</context>
<context>
    <name>quorvelle::presence::UsersRegistry</name>
    <message>
        <source> Users: %1 </source>
        <translation> Benutzer: %1 </translation>
    </message>
</context>
<context>
    <name>quorvelle::settings::TColorsFm</name>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source> Message Window: </source>
        <translation> Nachrichtenfenster: </translation>
    </message>
    <message>
        <source> Chat Window: </source>
        <translation> Chatfenster: </translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>NickName</source>
        <translation>Nickname</translation>
    </message>
    <message>
        <source>Users List</source>
        <translation>Benutzerliste</translation>
    </message>
    <message>
        <source>Edit Box</source>
        <translation>Eingabefeld</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
</context>
<context>
    <name>quorvelle::shell::ConfigurationCommands</name>
    <message>
        <source>Select Directory for Save Logs</source>
        <translation>Ordner für Protokolle auswählen</translation>
    </message>
</context>
<context>
    <name>quorvelle::shell::DesktopAlerts</name>
    <message>
        <source>Message to everybody from %1</source>
        <translation>Rundnachricht von %1</translation>
    </message>
    <message>
        <source>Message from %1</source>
        <translation>Nachricht von %1</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>File received</source>
        <translation>Datei empfangen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; from %2</source>
        <translation>„%1“ von %2</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
</context>
<context>
    <name>quorvelle::shell::DiagnosticsWindow</name>
    <message>
        <source>Run Again</source>
        <translation>Erneut ausführen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Network Diagnostics</source>
        <translation>Netzwerkdiagnose</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Asking the net who is there; answers are awaited for %1 s...</source>
        <translation>Das Netz wird gefragt, wer da ist; auf Antworten wird %1 s gewartet...</translation>
    </message>
</context>
<context>
    <name>quorvelle::shell::IdentityBoxes</name>
    <message>
        <source> Subject by %1 %2 </source>
        <translation> Thema von %1 %2 </translation>
    </message>
</context>
<context>
    <name>quorvelle::shell::MainMenu</name>
    <message>
        <source>Search History...</source>
        <translation>Verlauf durchsuchen...</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Network Diagnostics...</source>
        <translation>Netzwerkdiagnose...</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Normal (Available)</source>
        <translation>Online (verfügbar)</translation>
    </message>
    <message>
        <source>DND (Do Not Disturb)</source>
        <translation>Nicht stören</translation>
    </message>
    <message>
        <source>Away (Far From Chat)</source>
        <translation>Abwesend (nicht am Chat)</translation>
    </message>
    <message>
        <source>Offline (Not Available)</source>
        <translation>Offline (nicht verfügbar)</translation>
    </message>
    <message>
        <source>System Messages</source>
        <translation>Systemmeldungen</translation>
    </message>
    <message>
        <source>Timestamp Events</source>
        <translation>Zeitstempel</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Protokollierung</translation>
    </message>
    <message>
        <source>Messages Archive...</source>
        <translation>Nachrichtenarchiv...</translation>
    </message>
    <message>
        <source>Logs Directory...</source>
        <translation>Protokollordner...</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>UDP Connection...</source>
        <translation>UDP-Verbindung...</translation>
    </message>
    <message>
        <source>Sound Events...</source>
        <translation>Klangereignisse...</translation>
    </message>
    <message>
        <source>Hot Key for Popup...</source>
        <translation>Tastenkürzel zum Einblenden...</translation>
    </message>
    <message>
        <source>Allow Request Info</source>
        <translation>Infoabfrage erlauben</translation>
    </message>
    <message>
        <source>Files Queue...</source>
        <translation>Dateiwarteschlange...</translation>
    </message>
    <message>
        <source>Colors...</source>
        <translation>Farben...</translation>
    </message>
    <message>
        <source>Default Colors</source>
        <translation>Standardfarben</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Schriftart...</translation>
    </message>
    <message>
        <source>Default Font</source>
        <translation>Standardschriftart</translation>
    </message>
    <message>
        <source>Window Settings</source>
        <translation>Fenstereinstellungen</translation>
    </message>
    <message>
        <source>Color Codes</source>
        <translation>Farbcodes</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Enabled and Hided</source>
        <translation>Aktiviert und ausgeblendet</translation>
    </message>
    <message>
        <source>Enabled and Stripped</source>
        <translation>Aktiviert und entfernt</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Default View</source>
        <translation>Standardansicht</translation>
    </message>
    <message>
        <source>Default Sizes</source>
        <translation>Standardgrößen</translation>
    </message>
    <message>
        <source>Center Window</source>
        <translation>Fenster zentrieren</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>Minimized</source>
        <translation>Minimiert</translation>
    </message>
    <message>
        <source>NickName</source>
        <translation>Nickname</translation>
    </message>
    <message>
        <source>UsersList</source>
        <translation>Benutzerliste</translation>
    </message>
    <message>
        <source>Left Placement</source>
        <translation>Links anordnen</translation>
    </message>
    <message>
        <source>Update UsersList</source>
        <translation>Benutzerliste aktualisieren</translation>
    </message>
    <message>
        <source>Interval %1 Seconds...</source>
        <translation>Intervall: %1 Sekunden...</translation>
    </message>
    <message>
        <source>Channels...</source>
        <translation>Kanäle...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorheriger</translation>
    </message>
    <message>
        <source>Tabs Style</source>
        <translation>Tab-Stil</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Tabs</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Schaltflächen</translation>
    </message>
    <message>
        <source>Flat Buttons</source>
        <translation>Flache Schaltflächen</translation>
    </message>
    <message>
        <source>Clear Chat</source>
        <translation>Chat leeren</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Private Chat</source>
        <translation>Privatchat</translation>
    </message>
    <message>
        <source>Alert Beep</source>
        <translation>Signal senden</translation>
    </message>
    <message>
        <source>Say Nick</source>
        <translation>Mit Nickname ansprechen</translation>
    </message>
    <message>
        <source>Request INFO</source>
        <translation>Info anfordern</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation>Datei senden</translation>
    </message>
    <message>
        <source>Mass Message</source>
        <translation>Rundnachricht</translation>
    </message>
    <message>
        <source>Refresh UsersList</source>
        <translation>Benutzerliste aktualisieren</translation>
    </message>
    <message>
        <source>say nick</source>
        <translation>mit Nickname ansprechen</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
</context>
<context>
    <name>quorvelle::shell::TAboutFm</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Release %1 — chat for the local network, no server needed.</source>
        <translation>Version %1 – Chat für das lokale Netz, ganz ohne Server.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quorvelle::shell::TrayIcon</name>
    <message>
        <source>Quorvelle runs here. Right click this icon and choose &quot;Show&quot; to open its window, or press Ctrl+Alt+S.</source>
        <translation>Quorvelle läuft hier. Klicken Sie mit der rechten Maustaste auf dieses Symbol und wählen Sie „Anzeigen“, um das Fenster zu öffnen, oder drücken Sie Ctrl+Alt+S.</translation>
    </message>
</context>
<context>
    <name>quorvelle::shell::UsersActions</name>
    <message>
        <source>Update UsersList by Timer</source>
        <translation>Benutzerliste per Timer aktualisieren</translation>
    </message>
    <message>
        <source>Interval in Seconds (0 - Disabled)</source>
        <translation>Intervall in Sekunden (0 = deaktiviert)</translation>
    </message>
    <message>
        <source>Interval %1 Seconds...</source>
        <translation>Intervall: %1 Sekunden...</translation>
    </message>
</context>
<context>
    <name>quorvelle::shell::WindowLayout</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
</context>
<context>
    <name>quorvelle::shell::WindowPresence</name>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Hot Key for Popup</source>
        <translation>Tastenkürzel zum Einblenden</translation>
    </message>
    <message>
        <source>Enter hot Key:</source>
        <translation>Tastenkürzel eingeben:</translation>
    </message>
</context>
<context>
    <name>quorvelle::transfer::FileCommands</name>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message numerus="yes">
        <source>%n file transfer(s) are not finished; exiting ends them and removes their partial files. Exit anyway?</source>
        <translation>
            <numerusform>%n Dateiübertragung ist nicht abgeschlossen; Beenden bricht sie ab und entfernt die unvollständige Datei. Trotzdem beenden?</numerusform>
            <numerusform>%n Dateiübertragungen sind nicht abgeschlossen; Beenden bricht sie ab und entfernt die unvollständigen Dateien. Trotzdem beenden?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quorvelle::transfer::FilesQueueModel</name>
    <message>
        <source>FileName:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>NickName:</source>
        <translation>Nickname:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Send:</source>
        <translation>Gesendet:</translation>
    </message>
    <message>
        <source>Recv:</source>
        <translation>Empfangen:</translation>
    </message>
    <message>
        <source>CPS:</source>
        <translation>Rate:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Status Message:</source>
        <translation>Statusmeldung:</translation>
    </message>
</context>
<context>
    <name>quorvelle::transfer::TFQueueFm</name>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Files Queue</source>
        <translation>Dateiwarteschlange</translation>
    </message>
    <message>
        <source>Add File to Queue</source>
        <translation>Datei zur Warteschlange hinzufügen</translation>
    </message>
    <message>
        <source>Remove File from Queue</source>
        <translation>Datei aus der Warteschlange entfernen</translation>
    </message>
    <message>
        <source>Remove All Ok Files from Queue</source>
        <translation>Alle erfolgreich übertragenen Dateien aus der Warteschlange entfernen</translation>
    </message>
    <message>
        <source>Start Send File</source>
        <translation>Senden der Datei starten</translation>
    </message>
    <message>
        <source>Stop Send File</source>
        <translation>Senden der Datei anhalten</translation>
    </message>
    <message>
        <source>Show Grid Lines</source>
        <translation>Gitterlinien anzeigen</translation>
    </message>
    <message>
        <source>Sending Files Queue</source>
        <translation>Warteschlange zum Senden</translation>
    </message>
    <message>
        <source>Open Received File</source>
        <translation>Empfangene Datei öffnen</translation>
    </message>
    <message>
        <source>Remove Received File from Queue</source>
        <translation>Empfangene Datei aus der Warteschlange entfernen</translation>
    </message>
    <message>
        <source>Cancel Receive File</source>
        <translation>Empfang der Datei abbrechen</translation>
    </message>
    <message>
        <source>Incomming Directory</source>
        <translation>Ordner für eingehende Dateien</translation>
    </message>
    <message>
        <source>Change Incomming Directory</source>
        <translation>Ordner für eingehende Dateien ändern</translation>
    </message>
    <message>
        <source>Receiving Files Queue</source>
        <translation>Warteschlange zum Empfangen</translation>
    </message>
    <message>
        <source>Select Directory for Save Incomming Files</source>
        <translation>Ordner für eingehende Dateien auswählen</translation>
    </message>
</context>
<context>
    <name>quorvelle::transfer::TOpenSendFileDialog</name>
    <message>
        <source>⚠ Arrives as %1: the code page %2 cannot carry %3.</source>
        <translation>⚠ Kommt als %1 an: Die Codepage %2 kann %3 nicht darstellen.</translation>
    </message>
    <message>
        <source>Select File for Send to Users</source>
        <translation>Datei zum Senden an Benutzer auswählen</translation>
    </message>
    <message>
        <source>Any file (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Users: %1</source>
        <translation>Benutzer: %1</translation>
    </message>
</context>
</TS>
