<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>BatteryControlWidget</name>
    <message>
        <source>do</source>
        <extracomment>Between the level and the action list of a battery row; see &quot;Charge of %1 drops bellow&quot;.</extracomment>
        <translation>o meno:</translation>
    </message>
    <message>
        <source>Charge of %1 drops bellow</source>
        <extracomment>A battery row reads as one sentence: [this text] [level] [do] [action], e.g. &quot;Charge of BAT0 falls to or below [10%] do [Shutdown]&quot;. Word order may move part of it into &quot;do&quot;, e.g. &quot;... falls to [10%] or below: [Shutdown]&quot;.</extracomment>
        <translation>Quando la carica di %1 scende al</translation>
    </message>
    <message>
        <source>Charge of %1 (%2) drops bellow</source>
        <extracomment>%1 is the battery&apos;s model, %2 its serial number.</extracomment>
        <translation>Quando la carica di %1 (%2) scende al</translation>
    </message>
</context>
<context>
    <name>BatteryHealth</name>
    <message>
        <source>&lt;b&gt;Capacity:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Capacità:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>%1&#xa0;% (%2 of %3&#xa0;Wh)</source>
        <translation>%1&#xa0;% (%2 di %3&#xa0;Wh)</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>&lt;b&gt;Charge cycles:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Cicli di carica:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Energy rate:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Potenza:&lt;/b&gt; %1</translation>
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
        <translation>Restano %1 min %2 s</translation>
    </message>
</context>
<context>
    <name>BrightnessCommand</name>
    <message>
        <source>there is no screen backlight.</source>
        <translation>lo schermo non ha retroilluminazione.</translation>
    </message>
    <message>
        <source>its present level cannot be read.</source>
        <translation>non è possibile leggerne il livello attuale.</translation>
    </message>
    <message>
        <source>%1: the screen&apos;s brightness cannot be set: %2
</source>
        <translation>%1: impossibile regolare la luminosità dello schermo: %2
</translation>
    </message>
</context>
<context>
    <name>BrightnessControl</name>
    <message>
        <source>The screen&apos;s brightness could not be changed: %1</source>
        <translation>Non è stato possibile cambiare la luminosità dello schermo: %1</translation>
    </message>
    <message>
        <source>The keyboard light could not be changed: %1</source>
        <translation>Non è stato possibile cambiare l&apos;illuminazione della tastiera: %1</translation>
    </message>
</context>
<context>
    <name>BrightnessPage</name>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>It cannot be set here: no login manager (logind) runs.</source>
        <translation>Qui non è regolabile: nessun gestore delle sessioni (logind) è in esecuzione.</translation>
    </message>
    <message>
        <source>Screen brightness</source>
        <translation>Luminosità dello schermo</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>Illuminazione della tastiera</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Schermo</translation>
    </message>
</context>
<context>
    <name>BrightnessPopup</name>
    <message>
        <source>Screen brightness</source>
        <translation>Luminosità dello schermo</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>Illuminazione della tastiera</translation>
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
        <translation>Cronologia della carica</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>Ultimo %n giorno</numerusform>
            <numerusform>Ultimi %n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>Last hour</source>
        <translation>Ultima ora</translation>
    </message>
    <message numerus="yes">
        <source>Last %n hours</source>
        <translation>
            <numerusform>Ultima %n ora</numerusform>
            <numerusform>Ultime %n ore</numerusform>
        </translation>
    </message>
    <message>
        <source>Last minute</source>
        <translation>Ultimo minuto</translation>
    </message>
    <message numerus="yes">
        <source>Last %n minutes</source>
        <translation>
            <numerusform>Ultimo %n minuto</numerusform>
            <numerusform>Ultimi %n minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>No charge history yet</source>
        <translation>Ancora nessuna cronologia della carica</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, lowest %4.</source>
        <translation>%1: da %2 a %3, minimo %4.</translation>
    </message>
</context>
<context>
    <name>ChargeHistoryView</name>
    <message>
        <source>6 hours</source>
        <translation>6 ore</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 ore</translation>
    </message>
    <message>
        <source>7 days</source>
        <translation>7 giorni</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Mostra:</translation>
    </message>
</context>
<context>
    <name>ChargeLimitBox</name>
    <message>
        <source>Limit charging to preserve the battery</source>
        <translation>Limita la carica per preservare la batteria</translation>
    </message>
    <message>
        <source>Charging stops at %1&#xa0;% and starts again below %2&#xa0;%</source>
        <translation>La carica si ferma al %1&#xa0;% e riprende sotto il %2&#xa0;%</translation>
    </message>
    <message>
        <source>Charging stops at %1&#xa0;%</source>
        <translation>La carica si ferma al %1&#xa0;%</translation>
    </message>
    <message>
        <source>Charging starts again below %1&#xa0;%</source>
        <translation>La carica riprende sotto il %1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>ChargeLimitControl</name>
    <message>
        <source>The charge limit of %1 could not be turned on: %2</source>
        <extracomment>%1 names the battery, %2 is the daemon&apos;s reason.</extracomment>
        <translation>Non è stato possibile attivare il limite di carica di %1: %2</translation>
    </message>
    <message>
        <source>The charge limit of %1 could not be turned off: %2</source>
        <translation>Non è stato possibile disattivare il limite di carica di %1: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start in the background with only the tray icons; a later start without options shows the window, and closing the window hides it again.</source>
        <translation>Avvia in background con le sole icone nell&apos;area di notifica; un avvio successivo senza opzioni mostra la finestra, e chiudendo la finestra il programma torna in background.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Usare «%1 --help» per vedere le opzioni.
</translation>
    </message>
    <message>
        <source>%1: no system tray to show the icons in, so the window is shown and closing it ends the program.</source>
        <translation>%1: nessuna area di notifica in cui mostrare le icone, quindi viene mostrata la finestra e chiuderla termina il programma.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esci.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esci.</translation>
    </message>
    <message>
        <source>Shows the batteries and UPSes that UPower reports, warns before a battery runs out and carries out the power action chosen for it.
Qt&apos;s own options (-platform, -style, -display and the others) are understood too.</source>
        <translation>Mostra le batterie e gli UPS segnalati da UPower, avvisa prima che una batteria si esaurisca ed esegue l&apos;azione scelta per essa.
Sono accettate anche le opzioni proprie di Qt (-platform, -style, -display e le altre).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>Set the screen&apos;s brightness one step up or down, or to a percentage such as 40%, and exit: for keys that the desktop binds to commands (on Wayland). The running instance does it and shows the new level; without one it is set at once.</source>
        <translation>Alza o abbassa di un livello la luminosità dello schermo, o impostala a una percentuale come 40%, ed esci: per i tasti che il desktop associa a comandi (su Wayland). Lo fa l&apos;istanza in esecuzione, che mostra il nuovo livello; se non ce n&apos;è una, la luminosità viene impostata subito.</translation>
    </message>
    <message>
        <source>up|down|N%</source>
        <translation>up|down|N%</translation>
    </message>
    <message>
        <source>Invalid brightness &apos;%1&apos;: give up, down or a percentage such as 40%.</source>
        <translation>Luminosità «%1» non valida: specificare «up», «down» o una percentuale come 40%.</translation>
    </message>
</context>
<context>
    <name>CriticalWarning</name>
    <message>
        <source>%1 at %2&#xa0;%.</source>
        <translation>%1 al %2%.</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%. %3</source>
        <translation>%1 è al %2%. %3</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%, about %3&#xa0;min left. %4</source>
        <translation>%1 è al %2%, restano circa %3&#xa0;min. %4</translation>
    </message>
</context>
<context>
    <name>DeviceBattery</name>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>PDA</source>
        <translation>PDA</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefono</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Tablet</translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation>Controller di gioco</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Penna</translation>
    </message>
    <message>
        <source>Touchpad</source>
        <translation>Touchpad</translation>
    </message>
    <message>
        <source>Headset</source>
        <translation>Cuffie con microfono</translation>
    </message>
    <message>
        <source>Speakers</source>
        <translation>Altoparlanti</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Cuffie</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Telecomando</translation>
    </message>
    <message>
        <source>Wearable</source>
        <translation>Dispositivo indossabile</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batteria</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>battery level</comment>
        <translation>Bassa</translation>
    </message>
    <message>
        <source>Critical</source>
        <comment>battery level</comment>
        <translation>Critica</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>battery level</comment>
        <translation>Normale</translation>
    </message>
    <message>
        <source>High</source>
        <comment>battery level</comment>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Full</source>
        <comment>battery level</comment>
        <translation>Piena</translation>
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
        <translation>Avvisa quando è bassa</translation>
    </message>
</context>
<context>
    <name>DeviceWarning</name>
    <message>
        <source>%1 is running low. Charge it or change its battery soon.</source>
        <translation>La batteria di %1 si sta esaurendo. Ricaricala o sostituiscila presto.</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%. Charge it or change its battery soon.</source>
        <translation>%1 è al %2&#xa0;%. Ricaricalo o sostituisci la batteria presto.</translation>
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
            <numerusform>%1 e %n altro</numerusform>
            <numerusform>%1 e altri %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n devices are low: %1. Charge them or change their batteries soon.</source>
        <translation>
            <numerusform>%n dispositivo è quasi scarico: %1. Ricaricalo o cambia la batteria presto.</numerusform>
            <numerusform>%n dispositivi sono quasi scarichi: %1. Ricaricali o cambia le batterie presto.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DevicesPage</name>
    <message>
        <source>Devices</source>
        <translation>Dispositivi</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Carica</translation>
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
        <translation>Questo server grafico non segnala il tempo di inattività</translation>
    </message>
    <message>
        <source>Keys cannot be taken on this display server</source>
        <translation>Su questo server grafico i tasti non possono essere gestiti</translation>
    </message>
    <message>
        <source>This display server cannot turn the screen off</source>
        <translation>Questo server grafico non può spegnere lo schermo</translation>
    </message>
    <message>
        <source>The X server cannot be reached</source>
        <translation>Il server X non è raggiungibile</translation>
    </message>
    <message>
        <source>Keys cannot be taken on Wayland</source>
        <translation>Su Wayland i tasti non possono essere gestiti</translation>
    </message>
    <message>
        <source>The screen cannot be turned off on Wayland</source>
        <translation>Su Wayland lo schermo non può essere spento</translation>
    </message>
</context>
<context>
    <name>IdleControl</name>
    <message>
        <source>Kept awake from the tray</source>
        <translation>Mantenuto attivo dall&apos;area di notifica</translation>
    </message>
    <message>
        <source>This machine has no screen backlight to dim</source>
        <translation>Questo computer non ha una retroilluminazione dello schermo da attenuare</translation>
    </message>
    <message>
        <source>The login manager (logind) cannot set the screen&apos;s brightness here</source>
        <translation>Il gestore delle sessioni (logind) non può regolare qui la luminosità dello schermo</translation>
    </message>
    <message>
        <source>The machine cannot be kept awake: %1</source>
        <translation>Non è possibile mantenere attivo il computer: %1</translation>
    </message>
</context>
<context>
    <name>IdlePage</name>
    <message>
        <source>On battery</source>
        <translation>A batteria</translation>
    </message>
    <message>
        <source>On line power</source>
        <translation>Con alimentazione di rete</translation>
    </message>
    <message>
        <source>Dim the screen after</source>
        <translation>Attenua lo schermo dopo</translation>
    </message>
    <message>
        <source>Dim the screen after, on battery</source>
        <translation>Attenua lo schermo dopo, a batteria</translation>
    </message>
    <message>
        <source>Dim the screen after, on line power</source>
        <translation>Attenua lo schermo dopo, con alimentazione di rete</translation>
    </message>
    <message>
        <source>Dim to</source>
        <translation>Attenua fino al</translation>
    </message>
    <message>
        <source>Dim to, on battery</source>
        <translation>Attenua fino al, a batteria</translation>
    </message>
    <message>
        <source>Dim to, on line power</source>
        <translation>Attenua fino al, con alimentazione di rete</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <extracomment>A percentage of the screen&apos;s brightness range.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Turn the screen off after</source>
        <translation>Spegni lo schermo dopo</translation>
    </message>
    <message>
        <source>Turn the screen off after, on battery</source>
        <translation>Spegni lo schermo dopo, a batteria</translation>
    </message>
    <message>
        <source>Turn the screen off after, on line power</source>
        <translation>Spegni lo schermo dopo, con alimentazione di rete</translation>
    </message>
    <message>
        <source>Sleep after</source>
        <translation>Metti a riposo dopo</translation>
    </message>
    <message>
        <source>Sleep after, on battery</source>
        <translation>Metti a riposo dopo, a batteria</translation>
    </message>
    <message>
        <source>Sleep after, on line power</source>
        <translation>Metti a riposo dopo, con alimentazione di rete</translation>
    </message>
    <message>
        <source>Sleep by</source>
        <translation>Modalità di riposo</translation>
    </message>
    <message>
        <source>Sleep by, on battery</source>
        <translation>Modalità di riposo, a batteria</translation>
    </message>
    <message>
        <source>Sleep by, on line power</source>
        <translation>Modalità di riposo, con alimentazione di rete</translation>
    </message>
    <message>
        <source>Never</source>
        <extracomment>An entry of the lists of idle times: that step never happens.</extracomment>
        <translation>Mai</translation>
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
        <translation>Qui non succede nulla in caso di inattività: %1</translation>
    </message>
    <message>
        <source>The screen is not dimmed: %1</source>
        <translation>Lo schermo non viene attenuato: %1</translation>
    </message>
    <message>
        <source>The screen is not turned off: %1</source>
        <translation>Lo schermo non viene spento: %1</translation>
    </message>
</context>
<context>
    <name>IdlePolicy</name>
    <message>
        <source>%1 when idle was refused: %2.</source>
        <translation>%1 per inattività è stato rifiutato: %2.</translation>
    </message>
    <message>
        <source>Kept awake from the tray menu</source>
        <translation>Mantenuto attivo dal menu dell&apos;area di notifica</translation>
    </message>
    <message>
        <source>an application</source>
        <translation>un&apos;applicazione</translation>
    </message>
    <message>
        <source>Kept awake by %1</source>
        <translation>Mantenuto attivo da %1</translation>
    </message>
    <message>
        <source>Kept awake by %1: %2</source>
        <translation>Mantenuto attivo da %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more keeping it awake</source>
        <translation>
            <numerusform>e %n altro che lo mantiene attivo</numerusform>
            <numerusform>e altri %n che lo mantengono attivo</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LidControlWidget</name>
    <message>
        <source>When the lid is closed</source>
        <translation>Alla chiusura del coperchio</translation>
    </message>
    <message>
        <source>On battery:</source>
        <translation>A batteria:</translation>
    </message>
    <message>
        <source>On line power:</source>
        <translation>Con alimentazione di rete:</translation>
    </message>
    <message>
        <source>With another screen connected:</source>
        <translation>Con un altro schermo collegato:</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Power key:</source>
        <translation>Tasto di accensione:</translation>
    </message>
    <message>
        <source>Suspend key:</source>
        <translation>Tasto di sospensione:</translation>
    </message>
</context>
<context>
    <name>LidKeys</name>
    <message>
        <source>Let the system decide</source>
        <translation>Lascia decidere al sistema</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Non fare nulla</translation>
    </message>
    <message>
        <source>Turn the screen off</source>
        <translation>Spegni lo schermo</translation>
    </message>
    <message>
        <source>Lock the screen</source>
        <translation>Blocca lo schermo</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>Chiedi</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Sospendi</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Iberna</translation>
    </message>
    <message>
        <source>Shut down</source>
        <translation>Spegni</translation>
    </message>
    <message>
        <source>The system keeps the power key: %1.</source>
        <translation>Il sistema gestisce il tasto di accensione: %1.</translation>
    </message>
    <message>
        <source>The system keeps the suspend key: %1.</source>
        <translation>Il sistema gestisce il tasto di sospensione: %1.</translation>
    </message>
    <message>
        <source>Another program holds the power key, or no key sends it: the system keeps it.</source>
        <translation>Un altro programma occupa il tasto di accensione, oppure nessun tasto lo invia: lo gestisce il sistema.</translation>
    </message>
    <message>
        <source>Another program holds the suspend key, or no key sends it: the system keeps it.</source>
        <translation>Un altro programma occupa il tasto di sospensione, oppure nessun tasto lo invia: lo gestisce il sistema.</translation>
    </message>
    <message>
        <source>logind keeps the power key: %1.</source>
        <translation>logind gestisce il tasto di accensione: %1.</translation>
    </message>
    <message>
        <source>logind keeps the suspend key: %1.</source>
        <translation>logind gestisce il tasto di sospensione: %1.</translation>
    </message>
    <message>
        <source>logind keeps the lid: %1.</source>
        <translation>logind gestisce il coperchio: %1.</translation>
    </message>
    <message>
        <source>%1 was refused: %2.</source>
        <translation>%1 è stato rifiutato: %2.</translation>
    </message>
</context>
<context>
    <name>LidKeysControl</name>
    <message>
        <source>Handles the lid as set in the power manager</source>
        <translation>Gestisce il coperchio come impostato nel gestore energetico</translation>
    </message>
    <message>
        <source>Handles the power key as set in the power manager</source>
        <translation>Gestisce il tasto di accensione come impostato nel gestore energetico</translation>
    </message>
    <message>
        <source>Handles the suspend key as set in the power manager</source>
        <translation>Gestisce il tasto di sospensione come impostato nel gestore energetico</translation>
    </message>
</context>
<context>
    <name>LightText</name>
    <message>
        <source>Off</source>
        <translation>Spento</translation>
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
        <translation>logind non ha concesso alcun blocco</translation>
    </message>
    <message>
        <source>logind is not running</source>
        <translation>logind non è in esecuzione</translation>
    </message>
</context>
<context>
    <name>LogindSession</name>
    <message>
        <source>No login manager (logind) is running.</source>
        <translation>Nessun gestore delle sessioni (logind) è in esecuzione.</translation>
    </message>
    <message>
        <source>The login manager (logind) did not answer.</source>
        <translation>Il gestore delle sessioni (logind) non ha risposto.</translation>
    </message>
    <message>
        <source>The login manager (logind) does not offer this for this session.</source>
        <translation>Il gestore delle sessioni (logind) non lo offre per questa sessione.</translation>
    </message>
</context>
<context>
    <name>PowerKeyDialog</name>
    <message>
        <source>Power key</source>
        <translation>Tasto di accensione</translation>
    </message>
    <message>
        <source>What should the machine do?</source>
        <translation>Cosa deve fare il computer?</translation>
    </message>
</context>
<context>
    <name>PowerProfileMenu</name>
    <message>
        <source>Power profile</source>
        <translation>Profilo energetico</translation>
    </message>
    <message>
        <source>Power Saver</source>
        <translation>Risparmio energetico</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Bilanciato</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Prestazioni</translation>
    </message>
    <message>
        <source>Performance (limited: %1)</source>
        <translation>Prestazioni (limitate: %1)</translation>
    </message>
    <message>
        <source>the machine is hot</source>
        <translation>la macchina è calda</translation>
    </message>
    <message>
        <source>the lap is detected</source>
        <translation>è appoggiato sulle gambe</translation>
    </message>
</context>
<context>
    <name>PowerProfiles</name>
    <message>
        <source>The power profile daemon does not offer this profile.</source>
        <translation>Il servizio dei profili energetici non offre questo profilo.</translation>
    </message>
</context>
<context>
    <name>ProfileControl</name>
    <message>
        <source>The battery is low</source>
        <translation>La batteria è quasi scarica</translation>
    </message>
</context>
<context>
    <name>ProfileControlWidget</name>
    <message>
        <source>On line power:</source>
        <translation>Con alimentazione di rete:</translation>
    </message>
    <message>
        <source>On battery:</source>
        <translation>A batteria:</translation>
    </message>
    <message>
        <source>Hold Power Saver while a battery is at or below</source>
        <translation>Mantieni il profilo Risparmio energetico finché una batteria è al massimo al</translation>
    </message>
    <message>
        <source>Keep as it is</source>
        <translation>Lascia invariato</translation>
    </message>
    <message>
        <source>%1 (not offered)</source>
        <extracomment>A profile chosen earlier that the daemon does not offer now; it is never set.</extracomment>
        <translation>%1 (non disponibile)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Nothing</source>
        <translation>Non fare nulla</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Spegni</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Iberna</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Sospendi</translation>
    </message>
</context>
<context>
    <name>RefusalNotice</name>
    <message>
        <source>%1 at %2&#xa0;% was refused: %3. %4 is at %5&#xa0;%: save your work.</source>
        <translation>%1 al %2&#xa0;% è stato rifiutato: %3. %4 è al %5&#xa0;%: salva il tuo lavoro.</translation>
    </message>
    <message>
        <source>%1, as scheduled, was refused: %2.</source>
        <translation>%1 (pianificato) è stato rifiutato: %2.</translation>
    </message>
    <message>
        <source>%1 is keeping the machine on</source>
        <translation>%1 tiene acceso il computer</translation>
    </message>
    <message>
        <source>%1 is keeping the machine on (%2)</source>
        <translation>%1 tiene acceso il computer (%2)</translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> e %n altro</numerusform>
            <numerusform> e altri %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduleControlWidget</name>
    <message>
        <source>at</source>
        <extracomment>Joined as &quot;&lt;action&gt; at:&quot; before a time, e.g. &quot;Suspend at:&quot; [22:30].</extracomment>
        <translation>alle</translation>
    </message>
</context>
<context>
    <name>WBattery</name>
    <message>
        <source>&lt;b&gt;Model:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Modello:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Serial number:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Numero di serie:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Vendor:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Produttore:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Technology:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Tecnologia:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Type:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Tipo:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sysfs path:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Percorso sysfs:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Device:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Dispositivo:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>Lithium ion</source>
        <translation>Ioni di litio</translation>
    </message>
    <message>
        <source>Lithium polymer</source>
        <translation>Polimeri di litio</translation>
    </message>
    <message>
        <source>Lithium iron phosphate</source>
        <translation>Litio-ferro-fosfato</translation>
    </message>
    <message>
        <source>Lead acid</source>
        <translation>Piombo-acido</translation>
    </message>
    <message>
        <source>Nickel cadmium</source>
        <translation>Nichel-cadmio</translation>
    </message>
    <message>
        <source>Nickel metal hydride</source>
        <translation>Nichel-metallo idruro</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>battery technology</comment>
        <translation>Sconosciuta</translation>
    </message>
    <message>
        <source>Line Power</source>
        <translation>Alimentazione di rete</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batteria</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>UPS</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>device type</comment>
        <translation>Sconosciuto</translation>
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
        <translation>Batteria</translation>
    </message>
    <message>
        <source>Scheduling</source>
        <translation>Pianificazione</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivi</translation>
    </message>
    <message>
        <source>When idle</source>
        <translation>Inattività</translation>
    </message>
    <message>
        <source>Power profile</source>
        <translation>Profilo energetico</translation>
    </message>
    <message>
        <source>Lid and keys</source>
        <translation>Coperchio e tasti</translation>
    </message>
</context>
<context>
    <name>WMain</name>
    <message>
        <source>Power management</source>
        <translation>Gestione energetica</translation>
    </message>
    <message>
        <source>No batteries detected</source>
        <translation>Nessuna batteria rilevata</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Power manager</source>
        <translation>Gestore energetico</translation>
    </message>
    <message>
        <source>Power is up</source>
        <translation>Alimentazione di rete ripristinata</translation>
    </message>
    <message>
        <source>Power is down</source>
        <translation>Alimentazione di rete interrotta</translation>
    </message>
    <message>
        <source>Keep awake</source>
        <translation>Mantieni attivo</translation>
    </message>
</context>
<context>
    <name>WaylandIdleWatch</name>
    <message>
        <source>The Wayland compositor cannot be reached</source>
        <translation>Il compositor Wayland non è raggiungibile</translation>
    </message>
    <message>
        <source>This Wayland compositor does not report idle time</source>
        <translation>Questo compositor Wayland non segnala il tempo di inattività</translation>
    </message>
    <message>
        <source>This Wayland compositor has no seat whose idle time it could report</source>
        <translation>Questo compositor Wayland non ha una postazione di cui segnalare il tempo di inattività</translation>
    </message>
    <message>
        <source>The connection to the Wayland compositor broke</source>
        <translation>La connessione al compositor Wayland si è interrotta</translation>
    </message>
</context>
<context>
    <name>WexHelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Informazioni su &amp;Qt</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
</context>
<context>
    <name>WindowTray</name>
    <message>
        <source>Show window</source>
        <translation>Mostra la finestra</translation>
    </message>
    <message>
        <source>The power profile could not be changed to %1: %2</source>
        <translation>Non è stato possibile passare al profilo energetico %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e %n altro</numerusform>
            <numerusform>e altri %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>Illuminazione della tastiera</translation>
    </message>
</context>
<context>
    <name>X11IdleWatch</name>
    <message>
        <source>This X server does not report idle time</source>
        <translation>Questo server X non segnala il tempo di inattività</translation>
    </message>
</context>
<context>
    <name>X11ScreenPower</name>
    <message>
        <source>This X server cannot turn the screen off (no DPMS)</source>
        <translation>Questo server X non può spegnere lo schermo (nessun DPMS)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Power management
Application for power management</source>
        <extracomment>The program&apos;s name, a line break and a one-line summary; the name also ends the title bar of every window, so it had better match the window title.</extracomment>
        <translation>Gestione energetica
Applicazione per la gestione energetica</translation>
    </message>
</context>
</TS>
