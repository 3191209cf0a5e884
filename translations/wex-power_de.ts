<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BatteryControlWidget</name>
    <message>
        <source>do</source>
        <extracomment>Between the level and the action list of a battery row; see &quot;Charge of %1 drops bellow&quot;.</extracomment>
        <translation>oder darunter fällt:</translation>
    </message>
    <message>
        <source>Charge of %1 drops bellow</source>
        <extracomment>A battery row reads as one sentence: [this text] [level] [do] [action], e.g. &quot;Charge of BAT0 falls to or below [10%] do [Shutdown]&quot;. Word order may move part of it into &quot;do&quot;, e.g. &quot;... falls to [10%] or below: [Shutdown]&quot;.</extracomment>
        <translation>Wenn die Ladung von %1 auf</translation>
    </message>
    <message>
        <source>Charge of %1 (%2) drops bellow</source>
        <extracomment>%1 is the battery&apos;s model, %2 its serial number.</extracomment>
        <translation>Wenn die Ladung von %1 (%2) auf</translation>
    </message>
</context>
<context>
    <name>BatteryHealth</name>
    <message>
        <source>&lt;b&gt;Capacity:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Kapazität:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>%1&#xa0;% (%2 of %3&#xa0;Wh)</source>
        <translation>%1&#xa0;% (%2 von %3&#xa0;Wh)</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>&lt;b&gt;Charge cycles:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Ladezyklen:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Energy rate:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Leistung:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>%1&#xa0;W</source>
        <translation>%1&#xa0;W</translation>
    </message>
</context>
<context>
    <name>BatteryIndicator</name>
    <message>
        <source>%1 min %2 sec remaining</source>
        <translation>Noch %1 min %2 s</translation>
    </message>
</context>
<context>
    <name>BrightnessCommand</name>
    <message>
        <source>there is no screen backlight.</source>
        <translation>Der Bildschirm hat keine Hintergrundbeleuchtung.</translation>
    </message>
    <message>
        <source>its present level cannot be read.</source>
        <translation>Der aktuelle Wert kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1: the screen&apos;s brightness cannot be set: %2
</source>
        <translation>%1: Die Bildschirmhelligkeit kann nicht eingestellt werden: %2
</translation>
    </message>
</context>
<context>
    <name>BrightnessControl</name>
    <message>
        <source>The screen&apos;s brightness could not be changed: %1</source>
        <translation>Die Bildschirmhelligkeit konnte nicht geändert werden: %1</translation>
    </message>
    <message>
        <source>The keyboard light could not be changed: %1</source>
        <translation>Die Tastaturbeleuchtung konnte nicht geändert werden: %1</translation>
    </message>
</context>
<context>
    <name>BrightnessPage</name>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>It cannot be set here: no login manager (logind) runs.</source>
        <translation>Hier nicht einstellbar: Es läuft kein Anmeldedienst (logind).</translation>
    </message>
    <message>
        <source>Screen brightness</source>
        <translation>Bildschirmhelligkeit</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>Tastaturbeleuchtung</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Bildschirm</translation>
    </message>
</context>
<context>
    <name>BrightnessPopup</name>
    <message>
        <source>Screen brightness</source>
        <translation>Bildschirmhelligkeit</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>Tastaturbeleuchtung</translation>
    </message>
</context>
<context>
    <name>ChargeHistoryGraph</name>
    <message>
        <source>%1&#xa0;%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Charge history</source>
        <translation>Ladeverlauf</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>Letzter %n Tag</numerusform>
            <numerusform>Letzte %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Last hour</source>
        <translation>Letzte Stunde</translation>
    </message>
    <message numerus="yes">
        <source>Last %n hours</source>
        <translation>
            <numerusform>Letzte %n Stunde</numerusform>
            <numerusform>Letzte %n Stunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Last minute</source>
        <translation>Letzte Minute</translation>
    </message>
    <message numerus="yes">
        <source>Last %n minutes</source>
        <translation>
            <numerusform>Letzte %n Minute</numerusform>
            <numerusform>Letzte %n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>No charge history yet</source>
        <translation>Noch kein Ladeverlauf</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, lowest %4.</source>
        <translation>%1: von %2 auf %3, niedrigster Stand %4.</translation>
    </message>
</context>
<context>
    <name>ChargeHistoryView</name>
    <message>
        <source>6 hours</source>
        <translation>6 Stunden</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 Stunden</translation>
    </message>
    <message>
        <source>7 days</source>
        <translation>7 Tage</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
</context>
<context>
    <name>ChargeLimitBox</name>
    <message>
        <source>Limit charging to preserve the battery</source>
        <translation>Laden begrenzen, um den Akku zu schonen</translation>
    </message>
    <message>
        <source>Charging stops at %1&#xa0;% and starts again below %2&#xa0;%</source>
        <translation>Das Laden endet bei %1&#xa0;% und setzt unter %2&#xa0;% wieder ein</translation>
    </message>
    <message>
        <source>Charging stops at %1&#xa0;%</source>
        <translation>Das Laden endet bei %1&#xa0;%</translation>
    </message>
    <message>
        <source>Charging starts again below %1&#xa0;%</source>
        <translation>Das Laden setzt unter %1&#xa0;% wieder ein</translation>
    </message>
</context>
<context>
    <name>ChargeLimitControl</name>
    <message>
        <source>The charge limit of %1 could not be turned on: %2</source>
        <extracomment>%1 names the battery, %2 is the daemon&apos;s reason.</extracomment>
        <translation>Die Ladebegrenzung für %1 konnte nicht eingeschaltet werden: %2</translation>
    </message>
    <message>
        <source>The charge limit of %1 could not be turned off: %2</source>
        <translation>Die Ladebegrenzung für %1 konnte nicht ausgeschaltet werden: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start in the background with only the tray icons; a later start without options shows the window, and closing the window hides it again.</source>
        <translation>Im Hintergrund starten, nur mit den Symbolen im Systemabschnitt der Kontrollleiste; ein späterer Start ohne Optionen zeigt das Fenster, und nach dem Schließen läuft das Programm wieder im Hintergrund.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
„%1 --help“ zeigt die Optionen.
</translation>
    </message>
    <message>
        <source>%1: no system tray to show the icons in, so the window is shown and closing it ends the program.</source>
        <translation>%1: kein Systemabschnitt der Kontrollleiste für die Symbole vorhanden, daher wird das Fenster angezeigt, und das Programm endet, wenn es geschlossen wird.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Versionsinformation anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Shows the batteries and UPSes that UPower reports, warns before a battery runs out and carries out the power action chosen for it.
Qt&apos;s own options (-platform, -style, -display and the others) are understood too.</source>
        <translation>Zeigt die Akkus und USVs, die UPower meldet, warnt, bevor ein Akku leer wird, und führt die dafür gewählte Aktion aus.
Auch die Optionen von Qt selbst (-platform, -style, -display und die übrigen) werden verstanden.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Set the screen&apos;s brightness one step up or down, or to a percentage such as 40%, and exit: for keys that the desktop binds to commands (on Wayland). The running instance does it and shows the new level; without one it is set at once.</source>
        <translation>Die Bildschirmhelligkeit um eine Stufe erhöhen oder verringern oder auf einen Prozentwert wie 40% setzen und beenden: für Tasten, denen die Arbeitsumgebung Befehle zuweist (unter Wayland). Die laufende Instanz übernimmt das und zeigt die neue Stufe an; läuft keine, wird die Helligkeit sofort gesetzt.</translation>
    </message>
    <message>
        <source>up|down|N%</source>
        <translation>up|down|N%</translation>
    </message>
    <message>
        <source>Invalid brightness &apos;%1&apos;: give up, down or a percentage such as 40%.</source>
        <translation>Ungültige Helligkeit „%1“: Geben Sie „up“, „down“ oder einen Prozentwert wie 40% an.</translation>
    </message>
</context>
<context>
    <name>CriticalWarning</name>
    <message>
        <source>%1 at %2&#xa0;%.</source>
        <translation>%1 bei %2&#xa0;%.</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%. %3</source>
        <translation>%1 hat noch %2&#xa0;%. %3</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%, about %3&#xa0;min left. %4</source>
        <translation>%1 hat noch %2&#xa0;%, Restlaufzeit etwa %3&#xa0;min. %4</translation>
    </message>
</context>
<context>
    <name>DeviceBattery</name>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>PDA</source>
        <translation>PDA</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Tablet</translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation>Gamecontroller</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>Touchpad</source>
        <translation>Touchpad</translation>
    </message>
    <message>
        <source>Headset</source>
        <translation>Headset</translation>
    </message>
    <message>
        <source>Speakers</source>
        <translation>Lautsprecher</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Kopfhörer</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Fernbedienung</translation>
    </message>
    <message>
        <source>Wearable</source>
        <translation>Wearable</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Akku</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>battery level</comment>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Critical</source>
        <comment>battery level</comment>
        <translation>Kritisch</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>battery level</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>High</source>
        <comment>battery level</comment>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Full</source>
        <comment>battery level</comment>
        <translation>Voll</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>DeviceControlWidget</name>
    <message>
        <source>Warn when low</source>
        <translation>Bei niedrigem Stand warnen</translation>
    </message>
</context>
<context>
    <name>DeviceWarning</name>
    <message>
        <source>%1 is running low. Charge it or change its battery soon.</source>
        <translation>Der Akku von %1 wird schwach. Laden Sie ihn bald oder wechseln Sie die Batterie.</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%. Charge it or change its battery soon.</source>
        <translation>%1 hat noch %2&#xa0;%. Laden Sie es bald oder wechseln Sie die Batterie.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A device in the list of those that are low: its name and its charge.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the devices named in a list.</extracomment>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 und %n weiteres</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n devices are low: %1. Charge them or change their batteries soon.</source>
        <translation>
            <numerusform>Bei %n Gerät ist der Akku fast leer: %1. Bald laden oder die Batterien wechseln.</numerusform>
            <numerusform>Bei %n Geräten sind die Akkus fast leer: %1. Bald laden oder die Batterien wechseln.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DevicesPage</name>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Ladung</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>DisplayServer</name>
    <message>
        <source>This display server does not report idle time</source>
        <translation>Dieser Display-Server meldet keine Leerlaufzeit</translation>
    </message>
    <message>
        <source>Keys cannot be taken on this display server</source>
        <translation>Auf diesem Display-Server können keine Tasten übernommen werden</translation>
    </message>
    <message>
        <source>This display server cannot turn the screen off</source>
        <translation>Dieser Display-Server kann den Bildschirm nicht ausschalten</translation>
    </message>
    <message>
        <source>The X server cannot be reached</source>
        <translation>Der X-Server ist nicht erreichbar</translation>
    </message>
    <message>
        <source>Keys cannot be taken on Wayland</source>
        <translation>Unter Wayland können keine Tasten übernommen werden</translation>
    </message>
    <message>
        <source>The screen cannot be turned off on Wayland</source>
        <translation>Unter Wayland kann der Bildschirm nicht ausgeschaltet werden</translation>
    </message>
</context>
<context>
    <name>IdleControl</name>
    <message>
        <source>Kept awake from the tray</source>
        <translation>Über den Systemabschnitt der Kontrollleiste wach gehalten</translation>
    </message>
    <message>
        <source>This machine has no screen backlight to dim</source>
        <translation>Dieser Rechner hat keine Hintergrundbeleuchtung, die abgedunkelt werden könnte</translation>
    </message>
    <message>
        <source>The login manager (logind) cannot set the screen&apos;s brightness here</source>
        <translation>Der Anmeldedienst (logind) kann die Bildschirmhelligkeit hier nicht einstellen</translation>
    </message>
    <message>
        <source>The machine cannot be kept awake: %1</source>
        <translation>Der Rechner kann nicht wach gehalten werden: %1</translation>
    </message>
</context>
<context>
    <name>IdlePage</name>
    <message>
        <source>On battery</source>
        <translation>Im Akkubetrieb</translation>
    </message>
    <message>
        <source>On line power</source>
        <translation>Im Netzbetrieb</translation>
    </message>
    <message>
        <source>Dim the screen after</source>
        <translation>Bildschirm abdunkeln nach</translation>
    </message>
    <message>
        <source>Dim the screen after, on battery</source>
        <translation>Bildschirm abdunkeln nach, im Akkubetrieb</translation>
    </message>
    <message>
        <source>Dim the screen after, on line power</source>
        <translation>Bildschirm abdunkeln nach, im Netzbetrieb</translation>
    </message>
    <message>
        <source>Dim to</source>
        <translation>Abdunkeln auf</translation>
    </message>
    <message>
        <source>Dim to, on battery</source>
        <translation>Abdunkeln auf, im Akkubetrieb</translation>
    </message>
    <message>
        <source>Dim to, on line power</source>
        <translation>Abdunkeln auf, im Netzbetrieb</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <extracomment>A percentage of the screen&apos;s brightness range.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Turn the screen off after</source>
        <translation>Bildschirm ausschalten nach</translation>
    </message>
    <message>
        <source>Turn the screen off after, on battery</source>
        <translation>Bildschirm ausschalten nach, im Akkubetrieb</translation>
    </message>
    <message>
        <source>Turn the screen off after, on line power</source>
        <translation>Bildschirm ausschalten nach, im Netzbetrieb</translation>
    </message>
    <message>
        <source>Sleep after</source>
        <translation>Schlafen legen nach</translation>
    </message>
    <message>
        <source>Sleep after, on battery</source>
        <translation>Schlafen legen nach, im Akkubetrieb</translation>
    </message>
    <message>
        <source>Sleep after, on line power</source>
        <translation>Schlafen legen nach, im Netzbetrieb</translation>
    </message>
    <message>
        <source>Sleep by</source>
        <translation>Schlafen legen per</translation>
    </message>
    <message>
        <source>Sleep by, on battery</source>
        <translation>Schlafen legen per, im Akkubetrieb</translation>
    </message>
    <message>
        <source>Sleep by, on line power</source>
        <translation>Schlafen legen per, im Netzbetrieb</translation>
    </message>
    <message>
        <source>Never</source>
        <extracomment>An entry of the lists of idle times: that step never happens.</extracomment>
        <translation>Nie</translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n s</source>
        <translation>
            <numerusform>%n s</numerusform>
            <numerusform>%n s</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing happens when idle here: %1</source>
        <translation>Im Leerlauf geschieht hier nichts: %1</translation>
    </message>
    <message>
        <source>The screen is not dimmed: %1</source>
        <translation>Der Bildschirm wird nicht abgedunkelt: %1</translation>
    </message>
    <message>
        <source>The screen is not turned off: %1</source>
        <translation>Der Bildschirm wird nicht ausgeschaltet: %1</translation>
    </message>
</context>
<context>
    <name>IdlePolicy</name>
    <message>
        <source>%1 when idle was refused: %2.</source>
        <translation>%1 bei Leerlauf wurde abgelehnt: %2.</translation>
    </message>
    <message>
        <source>Kept awake from the tray menu</source>
        <translation>Über das Menü im Systemabschnitt wach gehalten</translation>
    </message>
    <message>
        <source>an application</source>
        <translation>einer Anwendung</translation>
    </message>
    <message>
        <source>Kept awake by %1</source>
        <translation>Wach gehalten von %1</translation>
    </message>
    <message>
        <source>Kept awake by %1: %2</source>
        <translation>Wach gehalten von %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more keeping it awake</source>
        <translation>
            <numerusform>und von %n weiteren</numerusform>
            <numerusform>und von %n weiteren</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LidControlWidget</name>
    <message>
        <source>When the lid is closed</source>
        <translation>Beim Schließen des Deckels</translation>
    </message>
    <message>
        <source>On battery:</source>
        <translation>Im Akkubetrieb:</translation>
    </message>
    <message>
        <source>On line power:</source>
        <translation>Im Netzbetrieb:</translation>
    </message>
    <message>
        <source>With another screen connected:</source>
        <translation>Mit weiterem angeschlossenem Bildschirm:</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Power key:</source>
        <translation>Ein-/Aus-Taste:</translation>
    </message>
    <message>
        <source>Suspend key:</source>
        <translation>Standby-Taste:</translation>
    </message>
</context>
<context>
    <name>LidKeys</name>
    <message>
        <source>Let the system decide</source>
        <translation>Dem System überlassen</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nichts tun</translation>
    </message>
    <message>
        <source>Turn the screen off</source>
        <translation>Bildschirm ausschalten</translation>
    </message>
    <message>
        <source>Lock the screen</source>
        <translation>Bildschirm sperren</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>Nachfragen</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Standby</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Ruhezustand</translation>
    </message>
    <message>
        <source>Shut down</source>
        <translation>Herunterfahren</translation>
    </message>
    <message>
        <source>The system keeps the power key: %1.</source>
        <translation>Das System behält die Ein-/Aus-Taste: %1.</translation>
    </message>
    <message>
        <source>The system keeps the suspend key: %1.</source>
        <translation>Das System behält die Standby-Taste: %1.</translation>
    </message>
    <message>
        <source>Another program holds the power key, or no key sends it: the system keeps it.</source>
        <translation>Ein anderes Programm belegt die Ein-/Aus-Taste, oder keine Taste sendet sie: Das System behält sie.</translation>
    </message>
    <message>
        <source>Another program holds the suspend key, or no key sends it: the system keeps it.</source>
        <translation>Ein anderes Programm belegt die Standby-Taste, oder keine Taste sendet sie: Das System behält sie.</translation>
    </message>
    <message>
        <source>logind keeps the power key: %1.</source>
        <translation>logind behält die Ein-/Aus-Taste: %1.</translation>
    </message>
    <message>
        <source>logind keeps the suspend key: %1.</source>
        <translation>logind behält die Standby-Taste: %1.</translation>
    </message>
    <message>
        <source>logind keeps the lid: %1.</source>
        <translation>logind behält den Deckel: %1.</translation>
    </message>
    <message>
        <source>%1 was refused: %2.</source>
        <translation>%1 wurde abgelehnt: %2.</translation>
    </message>
</context>
<context>
    <name>LidKeysControl</name>
    <message>
        <source>Handles the lid as set in the power manager</source>
        <translation>Behandelt den Deckel wie in der Energieverwaltung eingestellt</translation>
    </message>
    <message>
        <source>Handles the power key as set in the power manager</source>
        <translation>Behandelt die Ein-/Aus-Taste wie in der Energieverwaltung eingestellt</translation>
    </message>
    <message>
        <source>Handles the suspend key as set in the power manager</source>
        <translation>Behandelt die Standby-Taste wie in der Energieverwaltung eingestellt</translation>
    </message>
</context>
<context>
    <name>LightText</name>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>LogindInhibitor</name>
    <message>
        <source>logind gave no inhibitor</source>
        <translation>logind hat keine Sperre vergeben</translation>
    </message>
    <message>
        <source>logind is not running</source>
        <translation>logind läuft nicht</translation>
    </message>
</context>
<context>
    <name>LogindSession</name>
    <message>
        <source>No login manager (logind) is running.</source>
        <translation>Es läuft kein Anmeldedienst (logind).</translation>
    </message>
    <message>
        <source>The login manager (logind) did not answer.</source>
        <translation>Der Anmeldedienst (logind) hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>The login manager (logind) does not offer this for this session.</source>
        <translation>Der Anmeldedienst (logind) bietet das für diese Sitzung nicht an.</translation>
    </message>
</context>
<context>
    <name>PowerKeyDialog</name>
    <message>
        <source>Power key</source>
        <translation>Ein-/Aus-Taste</translation>
    </message>
    <message>
        <source>What should the machine do?</source>
        <translation>Was soll der Rechner tun?</translation>
    </message>
</context>
<context>
    <name>PowerProfileMenu</name>
    <message>
        <source>Power profile</source>
        <translation>Energieprofil</translation>
    </message>
    <message>
        <source>Power Saver</source>
        <translation>Energiesparmodus</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Ausgeglichen</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Performance (limited: %1)</source>
        <translation>Leistung (eingeschränkt: %1)</translation>
    </message>
    <message>
        <source>the machine is hot</source>
        <translation>das Gerät ist heiß</translation>
    </message>
    <message>
        <source>the lap is detected</source>
        <translation>es liegt auf dem Schoß</translation>
    </message>
</context>
<context>
    <name>PowerProfiles</name>
    <message>
        <source>The power profile daemon does not offer this profile.</source>
        <translation>Der Energieprofil-Dienst bietet dieses Profil nicht an.</translation>
    </message>
</context>
<context>
    <name>ProfileControl</name>
    <message>
        <source>The battery is low</source>
        <translation>Der Akkustand ist niedrig</translation>
    </message>
</context>
<context>
    <name>ProfileControlWidget</name>
    <message>
        <source>On line power:</source>
        <translation>Im Netzbetrieb:</translation>
    </message>
    <message>
        <source>On battery:</source>
        <translation>Im Akkubetrieb:</translation>
    </message>
    <message>
        <source>Hold Power Saver while a battery is at or below</source>
        <translation>Energiesparmodus halten bei einem Akkustand bis</translation>
    </message>
    <message>
        <source>Keep as it is</source>
        <translation>Unverändert lassen</translation>
    </message>
    <message>
        <source>%1 (not offered)</source>
        <extracomment>A profile chosen earlier that the daemon does not offer now; it is never set.</extracomment>
        <translation>%1 (nicht angeboten)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Nothing</source>
        <translation>Nichts tun</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Herunterfahren</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Ruhezustand</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Standby</translation>
    </message>
</context>
<context>
    <name>RefusalNotice</name>
    <message>
        <source>%1 at %2&#xa0;% was refused: %3. %4 is at %5&#xa0;%: save your work.</source>
        <translation>%1 bei %2&#xa0;% wurde abgelehnt: %3. %4 hat noch %5&#xa0;%: Speichern Sie Ihre Arbeit.</translation>
    </message>
    <message>
        <source>%1, as scheduled, was refused: %2.</source>
        <translation>%1 (geplant) wurde abgelehnt: %2.</translation>
    </message>
    <message>
        <source>%1 is keeping the machine on</source>
        <translation>%1 hält den Rechner in Betrieb</translation>
    </message>
    <message>
        <source>%1 is keeping the machine on (%2)</source>
        <translation>%1 hält den Rechner in Betrieb (%2)</translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> und %n weiteres</numerusform>
            <numerusform> und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduleControlWidget</name>
    <message>
        <source>at</source>
        <extracomment>Joined as &quot;&lt;action&gt; at:&quot; before a time, e.g. &quot;Suspend at:&quot; [22:30].</extracomment>
        <translation>um</translation>
    </message>
</context>
<context>
    <name>WBattery</name>
    <message>
        <source>&lt;b&gt;Model:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Modell:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Serial number:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Seriennummer:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Vendor:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Hersteller:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Technology:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Technologie:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Type:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Typ:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sysfs path:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Sysfs-Pfad:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Device:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Gerät:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>Lithium ion</source>
        <translation>Lithium-Ionen</translation>
    </message>
    <message>
        <source>Lithium polymer</source>
        <translation>Lithium-Polymer</translation>
    </message>
    <message>
        <source>Lithium iron phosphate</source>
        <translation>Lithium-Eisenphosphat</translation>
    </message>
    <message>
        <source>Lead acid</source>
        <translation>Blei-Säure</translation>
    </message>
    <message>
        <source>Nickel cadmium</source>
        <translation>Nickel-Cadmium</translation>
    </message>
    <message>
        <source>Nickel metal hydride</source>
        <translation>Nickel-Metallhydrid</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>battery technology</comment>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Line Power</source>
        <translation>Netzstrom</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Akku</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>USV</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>device type</comment>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>WControl</name>
    <message>
        <source>Battery</source>
        <translation>Akku</translation>
    </message>
    <message>
        <source>Scheduling</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>When idle</source>
        <translation>Im Leerlauf</translation>
    </message>
    <message>
        <source>Power profile</source>
        <translation>Energieprofil</translation>
    </message>
    <message>
        <source>Lid and keys</source>
        <translation>Deckel und Tasten</translation>
    </message>
</context>
<context>
    <name>WMain</name>
    <message>
        <source>Power management</source>
        <translation>Energieverwaltung</translation>
    </message>
    <message>
        <source>No batteries detected</source>
        <translation>Keine Akkus gefunden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Power manager</source>
        <translation>Energieverwaltung</translation>
    </message>
    <message>
        <source>Power is up</source>
        <translation>Netzstrom wiederhergestellt</translation>
    </message>
    <message>
        <source>Power is down</source>
        <translation>Netzstrom unterbrochen</translation>
    </message>
    <message>
        <source>Keep awake</source>
        <translation>Wach halten</translation>
    </message>
</context>
<context>
    <name>WaylandIdleWatch</name>
    <message>
        <source>The Wayland compositor cannot be reached</source>
        <translation>Der Wayland-Compositor ist nicht erreichbar</translation>
    </message>
    <message>
        <source>This Wayland compositor does not report idle time</source>
        <translation>Dieser Wayland-Compositor meldet keine Leerlaufzeit</translation>
    </message>
    <message>
        <source>This Wayland compositor has no seat whose idle time it could report</source>
        <translation>Dieser Wayland-Compositor hat keinen Sitz, dessen Leerlaufzeit er melden könnte</translation>
    </message>
    <message>
        <source>The connection to the Wayland compositor broke</source>
        <translation>Die Verbindung zum Wayland-Compositor ist abgebrochen</translation>
    </message>
</context>
<context>
    <name>WexHelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
</context>
<context>
    <name>WindowTray</name>
    <message>
        <source>Show window</source>
        <translation>Fenster anzeigen</translation>
    </message>
    <message>
        <source>The power profile could not be changed to %1: %2</source>
        <translation>Das Energieprofil konnte nicht zu %1 gewechselt werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiteres</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>Tastaturbeleuchtung</translation>
    </message>
</context>
<context>
    <name>X11IdleWatch</name>
    <message>
        <source>This X server does not report idle time</source>
        <translation>Dieser X-Server meldet keine Leerlaufzeit</translation>
    </message>
</context>
<context>
    <name>X11ScreenPower</name>
    <message>
        <source>This X server cannot turn the screen off (no DPMS)</source>
        <translation>Dieser X-Server kann den Bildschirm nicht ausschalten (kein DPMS)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Power management
Application for power management</source>
        <extracomment>The program&apos;s name, a line break and a one-line summary; the name also ends the title bar of every window, so it had better match the window title.</extracomment>
        <translation>Energieverwaltung
Anwendung zur Energieverwaltung</translation>
    </message>
</context>
</TS>
