<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BatteryControlWidget</name>
    <message>
        <source>do</source>
        <extracomment>Between the level and the action list of a battery row; see &quot;Charge of %1 drops bellow&quot;.</extracomment>
        <translation>ou moins&#xa0;:</translation>
    </message>
    <message>
        <source>Charge of %1 drops bellow</source>
        <extracomment>A battery row reads as one sentence: [this text] [level] [do] [action], e.g. &quot;Charge of BAT0 falls to or below [10%] do [Shutdown]&quot;. Word order may move part of it into &quot;do&quot;, e.g. &quot;... falls to [10%] or below: [Shutdown]&quot;.</extracomment>
        <translation>Quand la charge de %1 tombe à</translation>
    </message>
    <message>
        <source>Charge of %1 (%2) drops bellow</source>
        <extracomment>%1 is the battery&apos;s model, %2 its serial number.</extracomment>
        <translation>Quand la charge de %1 (%2) tombe à</translation>
    </message>
</context>
<context>
    <name>BatteryHealth</name>
    <message>
        <source>&lt;b&gt;Capacity:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Capacité&#xa0;:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>%1&#xa0;% (%2 of %3&#xa0;Wh)</source>
        <translation>%1&#xa0;% (%2 sur %3&#xa0;Wh)</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>&lt;b&gt;Charge cycles:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Cycles de charge&#xa0;:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Energy rate:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Puissance&#xa0;:&lt;/b&gt; %1</translation>
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
        <translation>Il reste %1&#xa0;min %2&#xa0;s</translation>
    </message>
</context>
<context>
    <name>BrightnessCommand</name>
    <message>
        <source>there is no screen backlight.</source>
        <translation>l&apos;écran n&apos;a pas de rétroéclairage.</translation>
    </message>
    <message>
        <source>its present level cannot be read.</source>
        <translation>impossible de lire son niveau actuel.</translation>
    </message>
    <message>
        <source>%1: the screen&apos;s brightness cannot be set: %2
</source>
        <translation>%1&#xa0;: impossible de régler la luminosité de l&apos;écran&#xa0;: %2
</translation>
    </message>
</context>
<context>
    <name>BrightnessControl</name>
    <message>
        <source>The screen&apos;s brightness could not be changed: %1</source>
        <translation>La luminosité de l&apos;écran n&apos;a pas pu être modifiée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The keyboard light could not be changed: %1</source>
        <translation>Le rétroéclairage du clavier n&apos;a pas pu être modifié&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>BrightnessPage</name>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>It cannot be set here: no login manager (logind) runs.</source>
        <translation>Impossible de la régler ici&#xa0;: aucun gestionnaire de sessions (logind) n&apos;est lancé.</translation>
    </message>
    <message>
        <source>Screen brightness</source>
        <translation>Luminosité de l&apos;écran</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>Rétroéclairage du clavier</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Écran</translation>
    </message>
</context>
<context>
    <name>BrightnessPopup</name>
    <message>
        <source>Screen brightness</source>
        <translation>Luminosité de l&apos;écran</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>Rétroéclairage du clavier</translation>
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
        <translation>Historique de charge</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>Dernier %n jour</numerusform>
            <numerusform>Derniers %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Last hour</source>
        <translation>Dernière heure</translation>
    </message>
    <message numerus="yes">
        <source>Last %n hours</source>
        <translation>
            <numerusform>Dernière %n heure</numerusform>
            <numerusform>Dernières %n heures</numerusform>
        </translation>
    </message>
    <message>
        <source>Last minute</source>
        <translation>Dernière minute</translation>
    </message>
    <message numerus="yes">
        <source>Last %n minutes</source>
        <translation>
            <numerusform>Dernière %n minute</numerusform>
            <numerusform>Dernières %n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>No charge history yet</source>
        <translation>Pas encore d’historique de charge</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, lowest %4.</source>
        <translation>%1&#xa0;: de %2 à %3, minimum %4.</translation>
    </message>
</context>
<context>
    <name>ChargeHistoryView</name>
    <message>
        <source>6 hours</source>
        <translation>6 heures</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 heures</translation>
    </message>
    <message>
        <source>7 days</source>
        <translation>7 jours</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Période&#xa0;:</translation>
    </message>
</context>
<context>
    <name>ChargeLimitBox</name>
    <message>
        <source>Limit charging to preserve the battery</source>
        <translation>Limiter la charge pour préserver la batterie</translation>
    </message>
    <message>
        <source>Charging stops at %1&#xa0;% and starts again below %2&#xa0;%</source>
        <translation>La charge s&apos;arrête à %1&#xa0;% et reprend en dessous de %2&#xa0;%</translation>
    </message>
    <message>
        <source>Charging stops at %1&#xa0;%</source>
        <translation>La charge s&apos;arrête à %1&#xa0;%</translation>
    </message>
    <message>
        <source>Charging starts again below %1&#xa0;%</source>
        <translation>La charge reprend en dessous de %1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>ChargeLimitControl</name>
    <message>
        <source>The charge limit of %1 could not be turned on: %2</source>
        <extracomment>%1 names the battery, %2 is the daemon&apos;s reason.</extracomment>
        <translation>La limite de charge de %1 n&apos;a pas pu être activée&#xa0;: %2</translation>
    </message>
    <message>
        <source>The charge limit of %1 could not be turned off: %2</source>
        <translation>La limite de charge de %1 n&apos;a pas pu être désactivée&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start in the background with only the tray icons; a later start without options shows the window, and closing the window hides it again.</source>
        <translation>Démarrer en arrière-plan avec seulement les icônes de la zone de notification&#xa0;; un démarrage ultérieur sans option affiche la fenêtre, et la fermeture de la fenêtre renvoie le programme en arrière-plan.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1&#xa0;: %2
Saisissez «&#xa0;%1 --help&#xa0;» pour voir les options.
</translation>
    </message>
    <message>
        <source>%1: no system tray to show the icons in, so the window is shown and closing it ends the program.</source>
        <translation>%1&#xa0;: aucune zone de notification où afficher les icônes, la fenêtre est donc affichée et sa fermeture met fin au programme.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Shows the batteries and UPSes that UPower reports, warns before a battery runs out and carries out the power action chosen for it.
Qt&apos;s own options (-platform, -style, -display and the others) are understood too.</source>
        <translation>Affiche les batteries et les onduleurs signalés par UPower, avertit avant qu&apos;une batterie ne se vide et exécute l&apos;action choisie pour elle.
Les options propres à Qt (-platform, -style, -display et les autres) sont également acceptées.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Set the screen&apos;s brightness one step up or down, or to a percentage such as 40%, and exit: for keys that the desktop binds to commands (on Wayland). The running instance does it and shows the new level; without one it is set at once.</source>
        <translation>Augmenter ou diminuer la luminosité de l&apos;écran d&apos;un cran, ou la régler à un pourcentage comme 40%, puis quitter&#xa0;: pour les touches auxquelles le bureau associe des commandes (sous Wayland). L&apos;instance en cours d&apos;exécution s&apos;en charge et affiche le nouveau niveau&#xa0;; s&apos;il n&apos;y en a pas, la luminosité est réglée immédiatement.</translation>
    </message>
    <message>
        <source>up|down|N%</source>
        <translation>up|down|N%</translation>
    </message>
    <message>
        <source>Invalid brightness &apos;%1&apos;: give up, down or a percentage such as 40%.</source>
        <translation>Luminosité «&#xa0;%1&#xa0;» non valide&#xa0;: indiquez «&#xa0;up&#xa0;», «&#xa0;down&#xa0;» ou un pourcentage comme 40%.</translation>
    </message>
</context>
<context>
    <name>CriticalWarning</name>
    <message>
        <source>%1 at %2&#xa0;%.</source>
        <translation>%1 à %2&#xa0;%.</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%. %3</source>
        <translation>%1 est à %2&#xa0;%. %3</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%, about %3&#xa0;min left. %4</source>
        <translation>%1 est à %2&#xa0;%, il reste environ %3&#xa0;min. %4</translation>
    </message>
</context>
<context>
    <name>DeviceBattery</name>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>PDA</source>
        <translation>PDA</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Tablette</translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation>Manette de jeu</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Stylet</translation>
    </message>
    <message>
        <source>Touchpad</source>
        <translation>Pavé tactile</translation>
    </message>
    <message>
        <source>Headset</source>
        <translation>Casque-micro</translation>
    </message>
    <message>
        <source>Speakers</source>
        <translation>Haut-parleurs</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Écouteurs</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Télécommande</translation>
    </message>
    <message>
        <source>Wearable</source>
        <translation>Objet connecté</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>battery level</comment>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Critical</source>
        <comment>battery level</comment>
        <translation>Critique</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>battery level</comment>
        <translation>Normale</translation>
    </message>
    <message>
        <source>High</source>
        <comment>battery level</comment>
        <translation>Élevée</translation>
    </message>
    <message>
        <source>Full</source>
        <comment>battery level</comment>
        <translation>Pleine</translation>
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
        <translation>Avertir si faible</translation>
    </message>
</context>
<context>
    <name>DeviceWarning</name>
    <message>
        <source>%1 is running low. Charge it or change its battery soon.</source>
        <translation>La batterie de %1 est faible. Rechargez-la ou changez-la bientôt.</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%. Charge it or change its battery soon.</source>
        <translation>%1 est à %2&#xa0;%. Rechargez-le ou changez sa batterie bientôt.</translation>
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
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n devices are low: %1. Charge them or change their batteries soon.</source>
        <translation>
            <numerusform>%n appareil est presque déchargé : %1. Rechargez-le ou changez sa pile bientôt.</numerusform>
            <numerusform>%n appareils sont presque déchargés : %1. Rechargez-les ou changez leurs piles bientôt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DevicesPage</name>
    <message>
        <source>Devices</source>
        <translation>Appareils</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>DisplayServer</name>
    <message>
        <source>This display server does not report idle time</source>
        <translation>Ce serveur d&apos;affichage n&apos;indique pas le temps d&apos;inactivité</translation>
    </message>
    <message>
        <source>Keys cannot be taken on this display server</source>
        <translation>Les touches ne peuvent pas être prises en charge sur ce serveur d&apos;affichage</translation>
    </message>
    <message>
        <source>This display server cannot turn the screen off</source>
        <translation>Ce serveur d&apos;affichage ne peut pas éteindre l&apos;écran</translation>
    </message>
    <message>
        <source>The X server cannot be reached</source>
        <translation>Le serveur X est injoignable</translation>
    </message>
    <message>
        <source>Keys cannot be taken on Wayland</source>
        <translation>Les touches ne peuvent pas être prises en charge sous Wayland</translation>
    </message>
    <message>
        <source>The screen cannot be turned off on Wayland</source>
        <translation>L&apos;écran ne peut pas être éteint sous Wayland</translation>
    </message>
</context>
<context>
    <name>IdleControl</name>
    <message>
        <source>Kept awake from the tray</source>
        <translation>Mise en veille empêchée depuis la zone de notification</translation>
    </message>
    <message>
        <source>This machine has no screen backlight to dim</source>
        <translation>Cette machine n&apos;a pas de rétroéclairage d&apos;écran à assombrir</translation>
    </message>
    <message>
        <source>The login manager (logind) cannot set the screen&apos;s brightness here</source>
        <translation>Le gestionnaire de sessions (logind) ne peut pas régler la luminosité de l&apos;écran ici</translation>
    </message>
    <message>
        <source>The machine cannot be kept awake: %1</source>
        <translation>Impossible d&apos;empêcher la mise en veille de la machine&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>IdlePage</name>
    <message>
        <source>On battery</source>
        <translation>Sur batterie</translation>
    </message>
    <message>
        <source>On line power</source>
        <translation>Sur secteur</translation>
    </message>
    <message>
        <source>Dim the screen after</source>
        <translation>Assombrir l&apos;écran après</translation>
    </message>
    <message>
        <source>Dim the screen after, on battery</source>
        <translation>Assombrir l&apos;écran après, sur batterie</translation>
    </message>
    <message>
        <source>Dim the screen after, on line power</source>
        <translation>Assombrir l&apos;écran après, sur secteur</translation>
    </message>
    <message>
        <source>Dim to</source>
        <translation>Assombrir jusqu&apos;à</translation>
    </message>
    <message>
        <source>Dim to, on battery</source>
        <translation>Assombrir jusqu&apos;à, sur batterie</translation>
    </message>
    <message>
        <source>Dim to, on line power</source>
        <translation>Assombrir jusqu&apos;à, sur secteur</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <extracomment>A percentage of the screen&apos;s brightness range.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Turn the screen off after</source>
        <translation>Éteindre l&apos;écran après</translation>
    </message>
    <message>
        <source>Turn the screen off after, on battery</source>
        <translation>Éteindre l&apos;écran après, sur batterie</translation>
    </message>
    <message>
        <source>Turn the screen off after, on line power</source>
        <translation>Éteindre l&apos;écran après, sur secteur</translation>
    </message>
    <message>
        <source>Sleep after</source>
        <translation>Mettre en veille après</translation>
    </message>
    <message>
        <source>Sleep after, on battery</source>
        <translation>Mettre en veille après, sur batterie</translation>
    </message>
    <message>
        <source>Sleep after, on line power</source>
        <translation>Mettre en veille après, sur secteur</translation>
    </message>
    <message>
        <source>Sleep by</source>
        <translation>Mode de mise en veille</translation>
    </message>
    <message>
        <source>Sleep by, on battery</source>
        <translation>Mode de mise en veille, sur batterie</translation>
    </message>
    <message>
        <source>Sleep by, on line power</source>
        <translation>Mode de mise en veille, sur secteur</translation>
    </message>
    <message>
        <source>Never</source>
        <extracomment>An entry of the lists of idle times: that step never happens.</extracomment>
        <translation>Jamais</translation>
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
        <translation>Ici, rien ne se passe en cas d&apos;inactivité&#xa0;: %1</translation>
    </message>
    <message>
        <source>The screen is not dimmed: %1</source>
        <translation>L&apos;écran n&apos;est pas assombri&#xa0;: %1</translation>
    </message>
    <message>
        <source>The screen is not turned off: %1</source>
        <translation>L&apos;écran n&apos;est pas éteint&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>IdlePolicy</name>
    <message>
        <source>%1 when idle was refused: %2.</source>
        <translation>%1 pour inactivité a été refusé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Kept awake from the tray menu</source>
        <translation>Mise en veille empêchée depuis le menu de la zone de notification</translation>
    </message>
    <message>
        <source>an application</source>
        <translation>une application</translation>
    </message>
    <message>
        <source>Kept awake by %1</source>
        <translation>Mise en veille empêchée par %1</translation>
    </message>
    <message>
        <source>Kept awake by %1: %2</source>
        <translation>Mise en veille empêchée par %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more keeping it awake</source>
        <translation>
            <numerusform>et par %n autre</numerusform>
            <numerusform>et par %n autres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LidControlWidget</name>
    <message>
        <source>When the lid is closed</source>
        <translation>Lorsque le capot est fermé</translation>
    </message>
    <message>
        <source>On battery:</source>
        <translation>Sur batterie :</translation>
    </message>
    <message>
        <source>On line power:</source>
        <translation>Sur secteur :</translation>
    </message>
    <message>
        <source>With another screen connected:</source>
        <translation>Avec un autre écran branché :</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Power key:</source>
        <translation>Bouton d'alimentation :</translation>
    </message>
    <message>
        <source>Suspend key:</source>
        <translation>Touche de mise en veille :</translation>
    </message>
</context>
<context>
    <name>LidKeys</name>
    <message>
        <source>Let the system decide</source>
        <translation>Laisser le système décider</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Ne rien faire</translation>
    </message>
    <message>
        <source>Turn the screen off</source>
        <translation>Éteindre l'écran</translation>
    </message>
    <message>
        <source>Lock the screen</source>
        <translation>Verrouiller l'écran</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>Demander</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Mettre en veille</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hiberner</translation>
    </message>
    <message>
        <source>Shut down</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <source>The system keeps the power key: %1.</source>
        <translation>Le système garde le bouton d'alimentation : %1.</translation>
    </message>
    <message>
        <source>The system keeps the suspend key: %1.</source>
        <translation>Le système garde la touche de mise en veille : %1.</translation>
    </message>
    <message>
        <source>Another program holds the power key, or no key sends it: the system keeps it.</source>
        <translation>Un autre programme tient le bouton d'alimentation, ou aucune touche ne l'envoie : le système le garde.</translation>
    </message>
    <message>
        <source>Another program holds the suspend key, or no key sends it: the system keeps it.</source>
        <translation>Un autre programme tient la touche de mise en veille, ou aucune touche ne l'envoie : le système la garde.</translation>
    </message>
    <message>
        <source>logind keeps the power key: %1.</source>
        <translation>logind garde le bouton d'alimentation : %1.</translation>
    </message>
    <message>
        <source>logind keeps the suspend key: %1.</source>
        <translation>logind garde la touche de mise en veille : %1.</translation>
    </message>
    <message>
        <source>logind keeps the lid: %1.</source>
        <translation>logind garde le capot : %1.</translation>
    </message>
    <message>
        <source>%1 was refused: %2.</source>
        <translation>%1 a été refusé : %2.</translation>
    </message>
</context>
<context>
    <name>LidKeysControl</name>
    <message>
        <source>Handles the lid as set in the power manager</source>
        <translation>Gère le capot comme réglé dans le gestionnaire d'énergie</translation>
    </message>
    <message>
        <source>Handles the power key as set in the power manager</source>
        <translation>Gère le bouton d'alimentation comme réglé dans le gestionnaire d'énergie</translation>
    </message>
    <message>
        <source>Handles the suspend key as set in the power manager</source>
        <translation>Gère la touche de mise en veille comme réglé dans le gestionnaire d'énergie</translation>
    </message>
</context>
<context>
    <name>LightText</name>
    <message>
        <source>Off</source>
        <translation>Éteint</translation>
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
        <translation>logind n&apos;a donné aucun verrou</translation>
    </message>
    <message>
        <source>logind is not running</source>
        <translation>logind n&apos;est pas lancé</translation>
    </message>
</context>
<context>
    <name>LogindSession</name>
    <message>
        <source>No login manager (logind) is running.</source>
        <translation>Aucun gestionnaire de sessions (logind) n&apos;est lancé.</translation>
    </message>
    <message>
        <source>The login manager (logind) did not answer.</source>
        <translation>Le gestionnaire de sessions (logind) n&apos;a pas répondu.</translation>
    </message>
    <message>
        <source>The login manager (logind) does not offer this for this session.</source>
        <translation>Le gestionnaire de sessions (logind) ne le propose pas pour cette session.</translation>
    </message>
</context>
<context>
    <name>PowerKeyDialog</name>
    <message>
        <source>Power key</source>
        <translation>Bouton d'alimentation</translation>
    </message>
    <message>
        <source>What should the machine do?</source>
        <translation>Que doit faire l'ordinateur ?</translation>
    </message>
</context>
<context>
    <name>PowerProfileMenu</name>
    <message>
        <source>Power profile</source>
        <translation>Profil énergétique</translation>
    </message>
    <message>
        <source>Power Saver</source>
        <translation>Économie d’énergie</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Équilibré</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Performances</translation>
    </message>
    <message>
        <source>Performance (limited: %1)</source>
        <translation>Performances (limitées : %1)</translation>
    </message>
    <message>
        <source>the machine is hot</source>
        <translation>la machine est chaude</translation>
    </message>
    <message>
        <source>the lap is detected</source>
        <translation>elle est posée sur les genoux</translation>
    </message>
</context>
<context>
    <name>PowerProfiles</name>
    <message>
        <source>The power profile daemon does not offer this profile.</source>
        <translation>Le service des profils énergétiques ne propose pas ce profil.</translation>
    </message>
</context>
<context>
    <name>ProfileControl</name>
    <message>
        <source>The battery is low</source>
        <translation>La batterie est faible</translation>
    </message>
</context>
<context>
    <name>ProfileControlWidget</name>
    <message>
        <source>On line power:</source>
        <translation>Sur secteur&#xa0;:</translation>
    </message>
    <message>
        <source>On battery:</source>
        <translation>Sur batterie&#xa0;:</translation>
    </message>
    <message>
        <source>Hold Power Saver while a battery is at or below</source>
        <translation>Garder le mode Économie d’énergie tant qu&apos;une batterie est au plus à</translation>
    </message>
    <message>
        <source>Keep as it is</source>
        <translation>Ne pas changer</translation>
    </message>
    <message>
        <source>%1 (not offered)</source>
        <extracomment>A profile chosen earlier that the daemon does not offer now; it is never set.</extracomment>
        <translation>%1 (non proposé)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Nothing</source>
        <translation>Ne rien faire</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hiberner</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Mettre en veille</translation>
    </message>
</context>
<context>
    <name>RefusalNotice</name>
    <message>
        <source>%1 at %2&#xa0;% was refused: %3. %4 is at %5&#xa0;%: save your work.</source>
        <translation>%1 à %2&#xa0;% a été refusé&#xa0;: %3. %4 est à %5&#xa0;%&#xa0;: enregistrez votre travail.</translation>
    </message>
    <message>
        <source>%1, as scheduled, was refused: %2.</source>
        <translation>%1 (programmé) a été refusé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is keeping the machine on</source>
        <translation>%1 maintient la machine allumée</translation>
    </message>
    <message>
        <source>%1 is keeping the machine on (%2)</source>
        <translation>%1 maintient la machine allumée (%2)</translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> et %n autre</numerusform>
            <numerusform> et %n autres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduleControlWidget</name>
    <message>
        <source>at</source>
        <extracomment>Joined as &quot;&lt;action&gt; at:&quot; before a time, e.g. &quot;Suspend at:&quot; [22:30].</extracomment>
        <translation>à&#xa0;</translation>
    </message>
</context>
<context>
    <name>WBattery</name>
    <message>
        <source>&lt;b&gt;Model:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Modèle&#xa0;:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Serial number:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Numéro de série&#xa0;:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Vendor:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Fabricant&#xa0;:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Technology:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Technologie&#xa0;:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Type:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Type&#xa0;:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sysfs path:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Chemin sysfs&#xa0;:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Device:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Périphérique&#xa0;:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>Lithium ion</source>
        <translation>Lithium-ion</translation>
    </message>
    <message>
        <source>Lithium polymer</source>
        <translation>Lithium-polymère</translation>
    </message>
    <message>
        <source>Lithium iron phosphate</source>
        <translation>Lithium-fer-phosphate</translation>
    </message>
    <message>
        <source>Lead acid</source>
        <translation>Plomb-acide</translation>
    </message>
    <message>
        <source>Nickel cadmium</source>
        <translation>Nickel-cadmium</translation>
    </message>
    <message>
        <source>Nickel metal hydride</source>
        <translation>Nickel-hydrure métallique</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>battery technology</comment>
        <translation>Inconnue</translation>
    </message>
    <message>
        <source>Line Power</source>
        <translation>Secteur</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>Onduleur</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Écran</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>device type</comment>
        <translation>Inconnu</translation>
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
        <translation>Batterie</translation>
    </message>
    <message>
        <source>Scheduling</source>
        <translation>Planification</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Appareils</translation>
    </message>
    <message>
        <source>When idle</source>
        <translation>Inactivité</translation>
    </message>
    <message>
        <source>Power profile</source>
        <translation>Profil énergétique</translation>
    </message>
    <message>
        <source>Lid and keys</source>
        <translation>Capot et touches</translation>
    </message>
</context>
<context>
    <name>WMain</name>
    <message>
        <source>Power management</source>
        <translation>Gestion de l&apos;énergie</translation>
    </message>
    <message>
        <source>No batteries detected</source>
        <translation>Aucune batterie détectée</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Power manager</source>
        <translation>Gestionnaire d&apos;énergie</translation>
    </message>
    <message>
        <source>Power is up</source>
        <translation>Alimentation secteur rétablie</translation>
    </message>
    <message>
        <source>Power is down</source>
        <translation>Alimentation secteur coupée</translation>
    </message>
    <message>
        <source>Keep awake</source>
        <translation>Empêcher la mise en veille</translation>
    </message>
</context>
<context>
    <name>WaylandIdleWatch</name>
    <message>
        <source>The Wayland compositor cannot be reached</source>
        <translation>Le compositeur Wayland est injoignable</translation>
    </message>
    <message>
        <source>This Wayland compositor does not report idle time</source>
        <translation>Ce compositeur Wayland n&apos;indique pas le temps d&apos;inactivité</translation>
    </message>
    <message>
        <source>This Wayland compositor has no seat whose idle time it could report</source>
        <translation>Ce compositeur Wayland n&apos;a aucun poste dont il pourrait indiquer le temps d&apos;inactivité</translation>
    </message>
    <message>
        <source>The connection to the Wayland compositor broke</source>
        <translation>La connexion au compositeur Wayland a été rompue</translation>
    </message>
</context>
<context>
    <name>WexHelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>À propos de &amp;Qt</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
</context>
<context>
    <name>WindowTray</name>
    <message>
        <source>Show window</source>
        <translation>Afficher la fenêtre</translation>
    </message>
    <message>
        <source>The power profile could not be changed to %1: %2</source>
        <translation>Le profil énergétique n’a pas pu passer à %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>Rétroéclairage du clavier</translation>
    </message>
</context>
<context>
    <name>X11IdleWatch</name>
    <message>
        <source>This X server does not report idle time</source>
        <translation>Ce serveur X n&apos;indique pas le temps d&apos;inactivité</translation>
    </message>
</context>
<context>
    <name>X11ScreenPower</name>
    <message>
        <source>This X server cannot turn the screen off (no DPMS)</source>
        <translation>Ce serveur X ne peut pas éteindre l&apos;écran (pas de DPMS)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Power management
Application for power management</source>
        <extracomment>The program&apos;s name, a line break and a one-line summary; the name also ends the title bar of every window, so it had better match the window title.</extracomment>
        <translation>Gestion de l&apos;énergie
Application de gestion de l&apos;énergie</translation>
    </message>
</context>
</TS>
