<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>BatteryControlWidget</name>
    <message>
        <source>do</source>
        <extracomment>Between the level and the action list of a battery row; see &quot;Charge of %1 drops bellow&quot;.</extracomment>
        <translation>lub poniżej:</translation>
    </message>
    <message>
        <source>Charge of %1 drops bellow</source>
        <extracomment>A battery row reads as one sentence: [this text] [level] [do] [action], e.g. &quot;Charge of BAT0 falls to or below [10%] do [Shutdown]&quot;. Word order may move part of it into &quot;do&quot;, e.g. &quot;... falls to [10%] or below: [Shutdown]&quot;.</extracomment>
        <translation>Gdy poziom naładowania %1 spadnie do</translation>
    </message>
    <message>
        <source>Charge of %1 (%2) drops bellow</source>
        <extracomment>%1 is the battery&apos;s model, %2 its serial number.</extracomment>
        <translation>Gdy poziom naładowania %1 (%2) spadnie do</translation>
    </message>
</context>
<context>
    <name>BatteryHealth</name>
    <message>
        <source>&lt;b&gt;Capacity:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Pojemność:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>%1&#xa0;% (%2 of %3&#xa0;Wh)</source>
        <translation>%1&#xa0;% (%2 z %3&#xa0;Wh)</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>&lt;b&gt;Charge cycles:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Cykle ładowania:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Energy rate:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Moc:&lt;/b&gt; %1</translation>
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
        <translation>Pozostało %1 min %2 s</translation>
    </message>
</context>
<context>
    <name>BrightnessCommand</name>
    <message>
        <source>there is no screen backlight.</source>
        <translation>brak podświetlenia ekranu.</translation>
    </message>
    <message>
        <source>its present level cannot be read.</source>
        <translation>nie można odczytać jej bieżącego poziomu.</translation>
    </message>
    <message>
        <source>%1: the screen&apos;s brightness cannot be set: %2
</source>
        <translation>%1: nie można ustawić jasności ekranu: %2
</translation>
    </message>
</context>
<context>
    <name>BrightnessControl</name>
    <message>
        <source>The screen&apos;s brightness could not be changed: %1</source>
        <translation>Nie udało się zmienić jasności ekranu: %1</translation>
    </message>
    <message>
        <source>The keyboard light could not be changed: %1</source>
        <translation>Nie udało się zmienić podświetlenia klawiatury: %1</translation>
    </message>
</context>
<context>
    <name>BrightnessPage</name>
    <message>
        <source>Brightness</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>It cannot be set here: no login manager (logind) runs.</source>
        <translation>Nie można jej tu ustawić: nie działa żaden menedżer logowania (logind).</translation>
    </message>
    <message>
        <source>Screen brightness</source>
        <translation>Jasność ekranu</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>Podświetlenie klawiatury</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Ekran</translation>
    </message>
</context>
<context>
    <name>BrightnessPopup</name>
    <message>
        <source>Screen brightness</source>
        <translation>Jasność ekranu</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>Podświetlenie klawiatury</translation>
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
        <translation>Historia ładowania</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>Ostatni %n dzień</numerusform>
            <numerusform>Ostatnie %n dni</numerusform>
            <numerusform>Ostatnie %n dni</numerusform>
        </translation>
    </message>
    <message>
        <source>Last hour</source>
        <translation>Ostatnia godzina</translation>
    </message>
    <message numerus="yes">
        <source>Last %n hours</source>
        <translation>
            <numerusform>Ostatnia %n godzina</numerusform>
            <numerusform>Ostatnie %n godziny</numerusform>
            <numerusform>Ostatnie %n godzin</numerusform>
        </translation>
    </message>
    <message>
        <source>Last minute</source>
        <translation>Ostatnia minuta</translation>
    </message>
    <message numerus="yes">
        <source>Last %n minutes</source>
        <translation>
            <numerusform>Ostatnia %n minuta</numerusform>
            <numerusform>Ostatnie %n minuty</numerusform>
            <numerusform>Ostatnie %n minut</numerusform>
        </translation>
    </message>
    <message>
        <source>No charge history yet</source>
        <translation>Brak historii ładowania</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, lowest %4.</source>
        <translation>%1: od %2 do %3, najniżej %4.</translation>
    </message>
</context>
<context>
    <name>ChargeHistoryView</name>
    <message>
        <source>6 hours</source>
        <translation>6 godzin</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 godziny</translation>
    </message>
    <message>
        <source>7 days</source>
        <translation>7 dni</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Pokaż:</translation>
    </message>
</context>
<context>
    <name>ChargeLimitBox</name>
    <message>
        <source>Limit charging to preserve the battery</source>
        <translation>Ograniczaj ładowanie, aby chronić baterię</translation>
    </message>
    <message>
        <source>Charging stops at %1&#xa0;% and starts again below %2&#xa0;%</source>
        <translation>Ładowanie kończy się przy %1&#xa0;% i wznawia się poniżej %2&#xa0;%</translation>
    </message>
    <message>
        <source>Charging stops at %1&#xa0;%</source>
        <translation>Ładowanie kończy się przy %1&#xa0;%</translation>
    </message>
    <message>
        <source>Charging starts again below %1&#xa0;%</source>
        <translation>Ładowanie wznawia się poniżej %1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>ChargeLimitControl</name>
    <message>
        <source>The charge limit of %1 could not be turned on: %2</source>
        <extracomment>%1 names the battery, %2 is the daemon&apos;s reason.</extracomment>
        <translation>Nie udało się włączyć limitu ładowania dla %1: %2</translation>
    </message>
    <message>
        <source>The charge limit of %1 could not be turned off: %2</source>
        <translation>Nie udało się wyłączyć limitu ładowania dla %1: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start in the background with only the tray icons; a later start without options shows the window, and closing the window hides it again.</source>
        <translation>Uruchom w tle, tylko z ikonami w zasobniku systemowym; późniejsze uruchomienie bez opcji pokazuje okno, a po jego zamknięciu program znów działa w tle.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Polecenie „%1 --help” wyświetla dostępne opcje.
</translation>
    </message>
    <message>
        <source>%1: no system tray to show the icons in, so the window is shown and closing it ends the program.</source>
        <translation>%1: brak zasobnika systemowego, w którym można pokazać ikony, więc okno jest wyświetlane, a jego zamknięcie kończy program.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Wyświetl tę pomoc i zakończ.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Wyświetl wersję i zakończ.</translation>
    </message>
    <message>
        <source>Shows the batteries and UPSes that UPower reports, warns before a battery runs out and carries out the power action chosen for it.
Qt&apos;s own options (-platform, -style, -display and the others) are understood too.</source>
        <translation>Pokazuje baterie i zasilacze UPS zgłaszane przez UPower, ostrzega, zanim bateria się wyczerpie, i wykonuje wybraną dla niej akcję.
Rozpoznawane są również opcje samego Qt (-platform, -style, -display i pozostałe).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>Set the screen&apos;s brightness one step up or down, or to a percentage such as 40%, and exit: for keys that the desktop binds to commands (on Wayland). The running instance does it and shows the new level; without one it is set at once.</source>
        <translation>Zwiększ lub zmniejsz jasność ekranu o jeden stopień albo ustaw ją na wartość procentową, np. 40%, i zakończ: dla klawiszy, które środowisko graficzne przypisuje do poleceń (w Wayland). Robi to działająca instancja programu, która pokazuje nowy poziom; jeśli żadna nie działa, jasność jest ustawiana od razu.</translation>
    </message>
    <message>
        <source>up|down|N%</source>
        <translation>up|down|N%</translation>
    </message>
    <message>
        <source>Invalid brightness &apos;%1&apos;: give up, down or a percentage such as 40%.</source>
        <translation>Nieprawidłowa jasność „%1”: podaj up, down lub wartość procentową, np. 40%.</translation>
    </message>
</context>
<context>
    <name>CriticalWarning</name>
    <message>
        <source>%1 at %2&#xa0;%.</source>
        <translation>%1 przy %2%.</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%. %3</source>
        <translation>Poziom naładowania %1 wynosi %2%. %3</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%, about %3&#xa0;min left. %4</source>
        <translation>Poziom naładowania %1 wynosi %2%, pozostało około %3&#xa0;min. %4</translation>
    </message>
</context>
<context>
    <name>DeviceBattery</name>
    <message>
        <source>Mouse</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klawiatura</translation>
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
        <translation>Kontroler do gier</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Pióro</translation>
    </message>
    <message>
        <source>Touchpad</source>
        <translation>Touchpad</translation>
    </message>
    <message>
        <source>Headset</source>
        <translation>Zestaw słuchawkowy</translation>
    </message>
    <message>
        <source>Speakers</source>
        <translation>Głośniki</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Słuchawki</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Pilot</translation>
    </message>
    <message>
        <source>Wearable</source>
        <translation>Urządzenie ubieralne</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Akumulator</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Urządzenie</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>battery level</comment>
        <translation>Niski</translation>
    </message>
    <message>
        <source>Critical</source>
        <comment>battery level</comment>
        <translation>Krytyczny</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>battery level</comment>
        <translation>Normalny</translation>
    </message>
    <message>
        <source>High</source>
        <comment>battery level</comment>
        <translation>Wysoki</translation>
    </message>
    <message>
        <source>Full</source>
        <comment>battery level</comment>
        <translation>Pełny</translation>
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
        <translation>Ostrzegaj przy niskim poziomie</translation>
    </message>
</context>
<context>
    <name>DeviceWarning</name>
    <message>
        <source>%1 is running low. Charge it or change its battery soon.</source>
        <translation>Bateria urządzenia %1 się wyczerpuje. Wkrótce ją naładuj lub wymień.</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%. Charge it or change its battery soon.</source>
        <translation>%1 ma %2&#xa0;%. Wkrótce naładuj je lub wymień baterię.</translation>
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
            <numerusform>%1 i %n inne</numerusform>
            <numerusform>%1 i %n inne</numerusform>
            <numerusform>%1 i %n innych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n devices are low: %1. Charge them or change their batteries soon.</source>
        <translation>
            <numerusform>%n urządzenie ma słabą baterię: %1. Wkrótce je naładuj lub wymień baterie.</numerusform>
            <numerusform>%n urządzenia mają słabe baterie: %1. Wkrótce je naładuj lub wymień baterie.</numerusform>
            <numerusform>%n urządzeń ma słabe baterie: %1. Wkrótce je naładuj lub wymień baterie.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DevicesPage</name>
    <message>
        <source>Devices</source>
        <translation>Urządzenia</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Urządzenie</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Naładowanie</translation>
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
        <translation>Ten serwer wyświetlania nie podaje czasu bezczynności</translation>
    </message>
    <message>
        <source>Keys cannot be taken on this display server</source>
        <translation>Na tym serwerze wyświetlania nie można przejąć klawiszy</translation>
    </message>
    <message>
        <source>This display server cannot turn the screen off</source>
        <translation>Ten serwer wyświetlania nie może wyłączyć ekranu</translation>
    </message>
    <message>
        <source>The X server cannot be reached</source>
        <translation>Nie można połączyć się z serwerem X</translation>
    </message>
    <message>
        <source>Keys cannot be taken on Wayland</source>
        <translation>W Wayland nie można przejąć klawiszy</translation>
    </message>
    <message>
        <source>The screen cannot be turned off on Wayland</source>
        <translation>W Wayland nie można wyłączyć ekranu</translation>
    </message>
</context>
<context>
    <name>IdleControl</name>
    <message>
        <source>Kept awake from the tray</source>
        <translation>Usypianie zablokowane w zasobniku systemowym</translation>
    </message>
    <message>
        <source>This machine has no screen backlight to dim</source>
        <translation>Ten komputer nie ma podświetlenia ekranu, które można by przyciemnić</translation>
    </message>
    <message>
        <source>The login manager (logind) cannot set the screen&apos;s brightness here</source>
        <translation>Menedżer logowania (logind) nie może tu ustawić jasności ekranu</translation>
    </message>
    <message>
        <source>The machine cannot be kept awake: %1</source>
        <translation>Nie udało się zablokować usypiania komputera: %1</translation>
    </message>
</context>
<context>
    <name>IdlePage</name>
    <message>
        <source>On battery</source>
        <translation>Na baterii</translation>
    </message>
    <message>
        <source>On line power</source>
        <translation>Na zasilaniu sieciowym</translation>
    </message>
    <message>
        <source>Dim the screen after</source>
        <translation>Przyciemnij ekran po</translation>
    </message>
    <message>
        <source>Dim the screen after, on battery</source>
        <translation>Przyciemnij ekran po, na baterii</translation>
    </message>
    <message>
        <source>Dim the screen after, on line power</source>
        <translation>Przyciemnij ekran po, na zasilaniu sieciowym</translation>
    </message>
    <message>
        <source>Dim to</source>
        <translation>Przyciemnij do</translation>
    </message>
    <message>
        <source>Dim to, on battery</source>
        <translation>Przyciemnij do, na baterii</translation>
    </message>
    <message>
        <source>Dim to, on line power</source>
        <translation>Przyciemnij do, na zasilaniu sieciowym</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <extracomment>A percentage of the screen&apos;s brightness range.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Turn the screen off after</source>
        <translation>Wyłącz ekran po</translation>
    </message>
    <message>
        <source>Turn the screen off after, on battery</source>
        <translation>Wyłącz ekran po, na baterii</translation>
    </message>
    <message>
        <source>Turn the screen off after, on line power</source>
        <translation>Wyłącz ekran po, na zasilaniu sieciowym</translation>
    </message>
    <message>
        <source>Sleep after</source>
        <translation>Uśpij komputer po</translation>
    </message>
    <message>
        <source>Sleep after, on battery</source>
        <translation>Uśpij komputer po, na baterii</translation>
    </message>
    <message>
        <source>Sleep after, on line power</source>
        <translation>Uśpij komputer po, na zasilaniu sieciowym</translation>
    </message>
    <message>
        <source>Sleep by</source>
        <translation>Sposób uśpienia</translation>
    </message>
    <message>
        <source>Sleep by, on battery</source>
        <translation>Sposób uśpienia, na baterii</translation>
    </message>
    <message>
        <source>Sleep by, on line power</source>
        <translation>Sposób uśpienia, na zasilaniu sieciowym</translation>
    </message>
    <message>
        <source>Never</source>
        <extracomment>An entry of the lists of idle times: that step never happens.</extracomment>
        <translation>Nigdy</translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n s</source>
        <translation>
            <numerusform>%n s</numerusform>
            <numerusform>%n s</numerusform>
            <numerusform>%n s</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing happens when idle here: %1</source>
        <translation>Bezczynność nie wywołuje tu żadnych działań: %1</translation>
    </message>
    <message>
        <source>The screen is not dimmed: %1</source>
        <translation>Ekran nie jest przyciemniany: %1</translation>
    </message>
    <message>
        <source>The screen is not turned off: %1</source>
        <translation>Ekran nie jest wyłączany: %1</translation>
    </message>
</context>
<context>
    <name>IdlePolicy</name>
    <message>
        <source>%1 when idle was refused: %2.</source>
        <translation>%1 (po bezczynności) odrzucono: %2.</translation>
    </message>
    <message>
        <source>Kept awake from the tray menu</source>
        <translation>Usypianie zablokowane w menu zasobnika systemowego</translation>
    </message>
    <message>
        <source>an application</source>
        <translation>aplikacja</translation>
    </message>
    <message>
        <source>Kept awake by %1</source>
        <translation>Usypianie blokuje %1</translation>
    </message>
    <message>
        <source>Kept awake by %1: %2</source>
        <translation>Usypianie blokuje %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more keeping it awake</source>
        <translation>
            <numerusform>i jeszcze %n aplikacja blokująca usypianie</numerusform>
            <numerusform>i jeszcze %n aplikacje blokujące usypianie</numerusform>
            <numerusform>i jeszcze %n aplikacji blokujących usypianie</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LidControlWidget</name>
    <message>
        <source>When the lid is closed</source>
        <translation>Po zamknięciu pokrywy</translation>
    </message>
    <message>
        <source>On battery:</source>
        <translation>Na baterii:</translation>
    </message>
    <message>
        <source>On line power:</source>
        <translation>Na zasilaniu sieciowym:</translation>
    </message>
    <message>
        <source>With another screen connected:</source>
        <translation>Z podłączonym innym ekranem:</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Klawisze</translation>
    </message>
    <message>
        <source>Power key:</source>
        <translation>Przycisk zasilania:</translation>
    </message>
    <message>
        <source>Suspend key:</source>
        <translation>Klawisz usypiania:</translation>
    </message>
</context>
<context>
    <name>LidKeys</name>
    <message>
        <source>Let the system decide</source>
        <translation>Pozostaw decyzję systemowi</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nic nie rób</translation>
    </message>
    <message>
        <source>Turn the screen off</source>
        <translation>Wyłącz ekran</translation>
    </message>
    <message>
        <source>Lock the screen</source>
        <translation>Zablokuj ekran</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>Zapytaj</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Uśpij</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernuj</translation>
    </message>
    <message>
        <source>Shut down</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>The system keeps the power key: %1.</source>
        <translation>System obsługuje przycisk zasilania: %1.</translation>
    </message>
    <message>
        <source>The system keeps the suspend key: %1.</source>
        <translation>System obsługuje klawisz usypiania: %1.</translation>
    </message>
    <message>
        <source>Another program holds the power key, or no key sends it: the system keeps it.</source>
        <translation>Inny program przechwytuje przycisk zasilania lub żaden klawisz go nie wysyła: obsługuje go system.</translation>
    </message>
    <message>
        <source>Another program holds the suspend key, or no key sends it: the system keeps it.</source>
        <translation>Inny program przechwytuje klawisz usypiania lub żaden klawisz go nie wysyła: obsługuje go system.</translation>
    </message>
    <message>
        <source>logind keeps the power key: %1.</source>
        <translation>logind obsługuje przycisk zasilania: %1.</translation>
    </message>
    <message>
        <source>logind keeps the suspend key: %1.</source>
        <translation>logind obsługuje klawisz usypiania: %1.</translation>
    </message>
    <message>
        <source>logind keeps the lid: %1.</source>
        <translation>logind obsługuje pokrywę: %1.</translation>
    </message>
    <message>
        <source>%1 was refused: %2.</source>
        <translation>Odmówiono wykonania „%1”: %2.</translation>
    </message>
</context>
<context>
    <name>LidKeysControl</name>
    <message>
        <source>Handles the lid as set in the power manager</source>
        <translation>Obsługuje pokrywę zgodnie z ustawieniami menedżera zasilania</translation>
    </message>
    <message>
        <source>Handles the power key as set in the power manager</source>
        <translation>Obsługuje przycisk zasilania zgodnie z ustawieniami menedżera zasilania</translation>
    </message>
    <message>
        <source>Handles the suspend key as set in the power manager</source>
        <translation>Obsługuje klawisz usypiania zgodnie z ustawieniami menedżera zasilania</translation>
    </message>
</context>
<context>
    <name>LightText</name>
    <message>
        <source>Off</source>
        <translation>Wyłączone</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>LogindInhibitor</name>
    <message>
        <source>logind gave no inhibitor</source>
        <translation>logind nie przyznał blokady</translation>
    </message>
    <message>
        <source>logind is not running</source>
        <translation>logind nie działa</translation>
    </message>
</context>
<context>
    <name>LogindSession</name>
    <message>
        <source>No login manager (logind) is running.</source>
        <translation>Nie działa żaden menedżer logowania (logind).</translation>
    </message>
    <message>
        <source>The login manager (logind) did not answer.</source>
        <translation>Menedżer logowania (logind) nie odpowiedział.</translation>
    </message>
    <message>
        <source>The login manager (logind) does not offer this for this session.</source>
        <translation>Menedżer logowania (logind) nie oferuje tego dla tej sesji.</translation>
    </message>
</context>
<context>
    <name>PowerKeyDialog</name>
    <message>
        <source>Power key</source>
        <translation>Przycisk zasilania</translation>
    </message>
    <message>
        <source>What should the machine do?</source>
        <translation>Co ma zrobić komputer?</translation>
    </message>
</context>
<context>
    <name>PowerProfileMenu</name>
    <message>
        <source>Power profile</source>
        <translation>Profil zasilania</translation>
    </message>
    <message>
        <source>Power Saver</source>
        <translation>Oszczędzanie energii</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Zrównoważony</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Wydajność</translation>
    </message>
    <message>
        <source>Performance (limited: %1)</source>
        <translation>Wydajność (ograniczona: %1)</translation>
    </message>
    <message>
        <source>the machine is hot</source>
        <translation>komputer jest gorący</translation>
    </message>
    <message>
        <source>the lap is detected</source>
        <translation>leży na kolanach</translation>
    </message>
</context>
<context>
    <name>PowerProfiles</name>
    <message>
        <source>The power profile daemon does not offer this profile.</source>
        <translation>Usługa profili zasilania nie oferuje tego profilu.</translation>
    </message>
</context>
<context>
    <name>ProfileControl</name>
    <message>
        <source>The battery is low</source>
        <translation>Niski poziom naładowania baterii</translation>
    </message>
</context>
<context>
    <name>ProfileControlWidget</name>
    <message>
        <source>On line power:</source>
        <translation>Na zasilaniu sieciowym:</translation>
    </message>
    <message>
        <source>On battery:</source>
        <translation>Na baterii:</translation>
    </message>
    <message>
        <source>Hold Power Saver while a battery is at or below</source>
        <translation>Utrzymuj profil Oszczędzanie energii, gdy poziom naładowania którejś baterii wynosi najwyżej</translation>
    </message>
    <message>
        <source>Keep as it is</source>
        <translation>Pozostaw bez zmian</translation>
    </message>
    <message>
        <source>%1 (not offered)</source>
        <extracomment>A profile chosen earlier that the daemon does not offer now; it is never set.</extracomment>
        <translation>%1 (niedostępny)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Nothing</source>
        <translation>Nic nie rób</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernuj</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Uśpij</translation>
    </message>
</context>
<context>
    <name>RefusalNotice</name>
    <message>
        <source>%1 at %2&#xa0;% was refused: %3. %4 is at %5&#xa0;%: save your work.</source>
        <translation>%1 przy %2&#xa0;% odrzucono: %3. %4 ma %5&#xa0;%: zapisz swoją pracę.</translation>
    </message>
    <message>
        <source>%1, as scheduled, was refused: %2.</source>
        <translation>%1 (zaplanowane) odrzucono: %2.</translation>
    </message>
    <message>
        <source>%1 is keeping the machine on</source>
        <translation>%1 nie pozwala wyłączyć komputera</translation>
    </message>
    <message>
        <source>%1 is keeping the machine on (%2)</source>
        <translation>%1 nie pozwala wyłączyć komputera (%2)</translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> i %n inny</numerusform>
            <numerusform> i %n inne</numerusform>
            <numerusform> i %n innych</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduleControlWidget</name>
    <message>
        <source>at</source>
        <extracomment>Joined as &quot;&lt;action&gt; at:&quot; before a time, e.g. &quot;Suspend at:&quot; [22:30].</extracomment>
        <translation>o</translation>
    </message>
</context>
<context>
    <name>WBattery</name>
    <message>
        <source>&lt;b&gt;Model:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Model:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Serial number:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Numer seryjny:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Vendor:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Producent:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Technology:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Technologia:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Type:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Typ:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sysfs path:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Ścieżka sysfs:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Device:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Urządzenie:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>Lithium ion</source>
        <translation>Litowo-jonowa</translation>
    </message>
    <message>
        <source>Lithium polymer</source>
        <translation>Litowo-polimerowa</translation>
    </message>
    <message>
        <source>Lithium iron phosphate</source>
        <translation>Litowo-żelazowo-fosforanowa</translation>
    </message>
    <message>
        <source>Lead acid</source>
        <translation>Kwasowo-ołowiowa</translation>
    </message>
    <message>
        <source>Nickel cadmium</source>
        <translation>Niklowo-kadmowa</translation>
    </message>
    <message>
        <source>Nickel metal hydride</source>
        <translation>Niklowo-metalowo-wodorkowa</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>battery technology</comment>
        <translation>Nieznana</translation>
    </message>
    <message>
        <source>Line Power</source>
        <translation>Zasilanie sieciowe</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Bateria</translation>
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
        <translation>Nieznany</translation>
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
        <translation>Bateria</translation>
    </message>
    <message>
        <source>Scheduling</source>
        <translation>Harmonogram</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Urządzenia</translation>
    </message>
    <message>
        <source>When idle</source>
        <translation>Bezczynność</translation>
    </message>
    <message>
        <source>Power profile</source>
        <translation>Profil zasilania</translation>
    </message>
    <message>
        <source>Lid and keys</source>
        <translation>Pokrywa i klawisze</translation>
    </message>
</context>
<context>
    <name>WMain</name>
    <message>
        <source>Power management</source>
        <translation>Zarządzanie energią</translation>
    </message>
    <message>
        <source>No batteries detected</source>
        <translation>Nie wykryto baterii</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Power manager</source>
        <translation>Menedżer zasilania</translation>
    </message>
    <message>
        <source>Power is up</source>
        <translation>Przywrócono zasilanie sieciowe</translation>
    </message>
    <message>
        <source>Power is down</source>
        <translation>Brak zasilania sieciowego</translation>
    </message>
    <message>
        <source>Keep awake</source>
        <translation>Blokuj usypianie</translation>
    </message>
</context>
<context>
    <name>WaylandIdleWatch</name>
    <message>
        <source>The Wayland compositor cannot be reached</source>
        <translation>Nie można połączyć się z kompozytorem Wayland</translation>
    </message>
    <message>
        <source>This Wayland compositor does not report idle time</source>
        <translation>Ten kompozytor Wayland nie podaje czasu bezczynności</translation>
    </message>
    <message>
        <source>This Wayland compositor has no seat whose idle time it could report</source>
        <translation>Ten kompozytor Wayland nie ma stanowiska, którego czas bezczynności mógłby podać</translation>
    </message>
    <message>
        <source>The connection to the Wayland compositor broke</source>
        <translation>Połączenie z kompozytorem Wayland zostało przerwane</translation>
    </message>
</context>
<context>
    <name>WexHelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>O &amp;Qt</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
</context>
<context>
    <name>WindowTray</name>
    <message>
        <source>Show window</source>
        <translation>Pokaż okno</translation>
    </message>
    <message>
        <source>The power profile could not be changed to %1: %2</source>
        <translation>Nie udało się zmienić profilu zasilania na %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>i %n inne</numerusform>
            <numerusform>i %n inne</numerusform>
            <numerusform>i %n innych</numerusform>
        </translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>Podświetlenie klawiatury</translation>
    </message>
</context>
<context>
    <name>X11IdleWatch</name>
    <message>
        <source>This X server does not report idle time</source>
        <translation>Ten serwer X nie podaje czasu bezczynności</translation>
    </message>
</context>
<context>
    <name>X11ScreenPower</name>
    <message>
        <source>This X server cannot turn the screen off (no DPMS)</source>
        <translation>Ten serwer X nie może wyłączyć ekranu (brak DPMS)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Power management
Application for power management</source>
        <extracomment>The program&apos;s name, a line break and a one-line summary; the name also ends the title bar of every window, so it had better match the window title.</extracomment>
        <translation>Zarządzanie energią
Aplikacja do zarządzania energią</translation>
    </message>
</context>
</TS>
