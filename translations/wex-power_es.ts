<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BatteryControlWidget</name>
    <message>
        <source>do</source>
        <extracomment>Between the level and the action list of a battery row; see &quot;Charge of %1 drops bellow&quot;.</extracomment>
        <translation>o menos:</translation>
    </message>
    <message>
        <source>Charge of %1 drops bellow</source>
        <extracomment>A battery row reads as one sentence: [this text] [level] [do] [action], e.g. &quot;Charge of BAT0 falls to or below [10%] do [Shutdown]&quot;. Word order may move part of it into &quot;do&quot;, e.g. &quot;... falls to [10%] or below: [Shutdown]&quot;.</extracomment>
        <translation>Cuando la carga de %1 caiga al</translation>
    </message>
    <message>
        <source>Charge of %1 (%2) drops bellow</source>
        <extracomment>%1 is the battery&apos;s model, %2 its serial number.</extracomment>
        <translation>Cuando la carga de %1 (%2) caiga al</translation>
    </message>
</context>
<context>
    <name>BatteryHealth</name>
    <message>
        <source>&lt;b&gt;Capacity:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Capacidad:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>%1&#xa0;% (%2 of %3&#xa0;Wh)</source>
        <translation>%1&#xa0;% (%2 de %3&#xa0;Wh)</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>&lt;b&gt;Charge cycles:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Ciclos de carga:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Energy rate:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Potencia:&lt;/b&gt; %1</translation>
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
        <translation>Quedan %1 min %2 s</translation>
    </message>
</context>
<context>
    <name>BrightnessCommand</name>
    <message>
        <source>there is no screen backlight.</source>
        <translation>la pantalla no tiene retroiluminación.</translation>
    </message>
    <message>
        <source>its present level cannot be read.</source>
        <translation>no se puede leer su nivel actual.</translation>
    </message>
    <message>
        <source>%1: the screen&apos;s brightness cannot be set: %2
</source>
        <translation>%1: no se puede ajustar el brillo de la pantalla: %2
</translation>
    </message>
</context>
<context>
    <name>BrightnessControl</name>
    <message>
        <source>The screen&apos;s brightness could not be changed: %1</source>
        <translation>No se pudo cambiar el brillo de la pantalla: %1</translation>
    </message>
    <message>
        <source>The keyboard light could not be changed: %1</source>
        <translation>No se pudo cambiar la iluminación del teclado: %1</translation>
    </message>
</context>
<context>
    <name>BrightnessPage</name>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>It cannot be set here: no login manager (logind) runs.</source>
        <translation>No se puede ajustar aquí: no se está ejecutando ningún gestor de sesiones (logind).</translation>
    </message>
    <message>
        <source>Screen brightness</source>
        <translation>Brillo de la pantalla</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>Iluminación del teclado</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Pantalla</translation>
    </message>
</context>
<context>
    <name>BrightnessPopup</name>
    <message>
        <source>Screen brightness</source>
        <translation>Brillo de la pantalla</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>Iluminación del teclado</translation>
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
        <translation>Historial de carga</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>Último %n día</numerusform>
            <numerusform>Últimos %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>Last hour</source>
        <translation>Última hora</translation>
    </message>
    <message numerus="yes">
        <source>Last %n hours</source>
        <translation>
            <numerusform>Última %n hora</numerusform>
            <numerusform>Últimas %n horas</numerusform>
        </translation>
    </message>
    <message>
        <source>Last minute</source>
        <translation>Último minuto</translation>
    </message>
    <message numerus="yes">
        <source>Last %n minutes</source>
        <translation>
            <numerusform>Último %n minuto</numerusform>
            <numerusform>Últimos %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>No charge history yet</source>
        <translation>Aún no hay historial de carga</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, lowest %4.</source>
        <translation>%1: de %2 a %3, mínimo %4.</translation>
    </message>
</context>
<context>
    <name>ChargeHistoryView</name>
    <message>
        <source>6 hours</source>
        <translation>6 horas</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 horas</translation>
    </message>
    <message>
        <source>7 days</source>
        <translation>7 días</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
</context>
<context>
    <name>ChargeLimitBox</name>
    <message>
        <source>Limit charging to preserve the battery</source>
        <translation>Limitar la carga para preservar la batería</translation>
    </message>
    <message>
        <source>Charging stops at %1&#xa0;% and starts again below %2&#xa0;%</source>
        <translation>La carga se detiene al %1&#xa0;% y se reanuda por debajo del %2&#xa0;%</translation>
    </message>
    <message>
        <source>Charging stops at %1&#xa0;%</source>
        <translation>La carga se detiene al %1&#xa0;%</translation>
    </message>
    <message>
        <source>Charging starts again below %1&#xa0;%</source>
        <translation>La carga se reanuda por debajo del %1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>ChargeLimitControl</name>
    <message>
        <source>The charge limit of %1 could not be turned on: %2</source>
        <extracomment>%1 names the battery, %2 is the daemon&apos;s reason.</extracomment>
        <translation>No se pudo activar el límite de carga de %1: %2</translation>
    </message>
    <message>
        <source>The charge limit of %1 could not be turned off: %2</source>
        <translation>No se pudo desactivar el límite de carga de %1: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start in the background with only the tray icons; a later start without options shows the window, and closing the window hides it again.</source>
        <translation>Iniciar en segundo plano solo con los iconos de la bandeja del sistema; un inicio posterior sin opciones muestra la ventana, y al cerrar la ventana el programa vuelve a quedar en segundo plano.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for the options.
</source>
        <translation>%1: %2
Pruebe «%1 --help» para ver las opciones.
</translation>
    </message>
    <message>
        <source>%1: no system tray to show the icons in, so the window is shown and closing it ends the program.</source>
        <translation>%1: no hay bandeja del sistema donde mostrar los iconos, así que se muestra la ventana y al cerrarla se termina el programa.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Shows the batteries and UPSes that UPower reports, warns before a battery runs out and carries out the power action chosen for it.
Qt&apos;s own options (-platform, -style, -display and the others) are understood too.</source>
        <translation>Muestra las baterías y los SAI de los que informa UPower, avisa antes de que una batería se agote y ejecuta la acción elegida para ella.
También se aceptan las opciones propias de Qt (-platform, -style, -display y las demás).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>Set the screen&apos;s brightness one step up or down, or to a percentage such as 40%, and exit: for keys that the desktop binds to commands (on Wayland). The running instance does it and shows the new level; without one it is set at once.</source>
        <translation>Subir o bajar un paso el brillo de la pantalla, o ajustarlo a un porcentaje como 40%, y salir: para teclas que el escritorio asocia a comandos (en Wayland). Lo hace la instancia en ejecución, que muestra el nuevo nivel; si no hay ninguna, se ajusta de inmediato.</translation>
    </message>
    <message>
        <source>up|down|N%</source>
        <translation>up|down|N%</translation>
    </message>
    <message>
        <source>Invalid brightness &apos;%1&apos;: give up, down or a percentage such as 40%.</source>
        <translation>Brillo «%1» no válido: indique «up», «down» o un porcentaje como 40%.</translation>
    </message>
</context>
<context>
    <name>CriticalWarning</name>
    <message>
        <source>%1 at %2&#xa0;%.</source>
        <translation>%1 al %2&#xa0;%.</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%. %3</source>
        <translation>%1 está al %2&#xa0;%. %3</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%, about %3&#xa0;min left. %4</source>
        <translation>%1 está al %2&#xa0;%, quedan unos %3&#xa0;min. %4</translation>
    </message>
</context>
<context>
    <name>DeviceBattery</name>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>PDA</source>
        <translation>PDA</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Tableta</translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation>Mando de juego</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>Touchpad</source>
        <translation>Panel táctil</translation>
    </message>
    <message>
        <source>Headset</source>
        <translation>Auriculares con micrófono</translation>
    </message>
    <message>
        <source>Speakers</source>
        <translation>Altavoces</translation>
    </message>
    <message>
        <source>Headphones</source>
        <translation>Auriculares</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Mando a distancia</translation>
    </message>
    <message>
        <source>Wearable</source>
        <translation>Dispositivo vestible</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batería</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>battery level</comment>
        <translation>Baja</translation>
    </message>
    <message>
        <source>Critical</source>
        <comment>battery level</comment>
        <translation>Crítica</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>battery level</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>High</source>
        <comment>battery level</comment>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Full</source>
        <comment>battery level</comment>
        <translation>Llena</translation>
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
        <translation>Avisar cuando esté baja</translation>
    </message>
</context>
<context>
    <name>DeviceWarning</name>
    <message>
        <source>%1 is running low. Charge it or change its battery soon.</source>
        <translation>La batería de %1 se está agotando. Cárguela o cambie la batería pronto.</translation>
    </message>
    <message>
        <source>%1 is at %2&#xa0;%. Charge it or change its battery soon.</source>
        <translation>%1 está al %2&#xa0;%. Cárguelo o cambie su batería pronto.</translation>
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
            <numerusform>%1 y %n más</numerusform>
            <numerusform>%1 y %n más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n devices are low: %1. Charge them or change their batteries soon.</source>
        <translation>
            <numerusform>%n dispositivo tiene poca batería: %1. Cárguelo o cambie su batería pronto.</numerusform>
            <numerusform>%n dispositivos tienen poca batería: %1. Cárguelos o cambie sus baterías pronto.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DevicesPage</name>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
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
        <translation>Carga</translation>
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
        <translation>Este servidor gráfico no informa del tiempo de inactividad</translation>
    </message>
    <message>
        <source>Keys cannot be taken on this display server</source>
        <translation>En este servidor gráfico no se pueden atender las teclas</translation>
    </message>
    <message>
        <source>This display server cannot turn the screen off</source>
        <translation>Este servidor gráfico no puede apagar la pantalla</translation>
    </message>
    <message>
        <source>The X server cannot be reached</source>
        <translation>No se puede acceder al servidor X</translation>
    </message>
    <message>
        <source>Keys cannot be taken on Wayland</source>
        <translation>En Wayland no se pueden atender las teclas</translation>
    </message>
    <message>
        <source>The screen cannot be turned off on Wayland</source>
        <translation>En Wayland no se puede apagar la pantalla</translation>
    </message>
</context>
<context>
    <name>IdleControl</name>
    <message>
        <source>Kept awake from the tray</source>
        <translation>Mantenido activo desde la bandeja del sistema</translation>
    </message>
    <message>
        <source>This machine has no screen backlight to dim</source>
        <translation>Este equipo no tiene retroiluminación de pantalla que atenuar</translation>
    </message>
    <message>
        <source>The login manager (logind) cannot set the screen&apos;s brightness here</source>
        <translation>El gestor de sesiones (logind) no puede ajustar aquí el brillo de la pantalla</translation>
    </message>
    <message>
        <source>The machine cannot be kept awake: %1</source>
        <translation>No se puede mantener activo el equipo: %1</translation>
    </message>
</context>
<context>
    <name>IdlePage</name>
    <message>
        <source>On battery</source>
        <translation>Con batería</translation>
    </message>
    <message>
        <source>On line power</source>
        <translation>Con alimentación de red</translation>
    </message>
    <message>
        <source>Dim the screen after</source>
        <translation>Atenuar la pantalla después de</translation>
    </message>
    <message>
        <source>Dim the screen after, on battery</source>
        <translation>Atenuar la pantalla después de, con batería</translation>
    </message>
    <message>
        <source>Dim the screen after, on line power</source>
        <translation>Atenuar la pantalla después de, con alimentación de red</translation>
    </message>
    <message>
        <source>Dim to</source>
        <translation>Atenuar hasta el</translation>
    </message>
    <message>
        <source>Dim to, on battery</source>
        <translation>Atenuar hasta el, con batería</translation>
    </message>
    <message>
        <source>Dim to, on line power</source>
        <translation>Atenuar hasta el, con alimentación de red</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <extracomment>A percentage of the screen&apos;s brightness range.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Turn the screen off after</source>
        <translation>Apagar la pantalla después de</translation>
    </message>
    <message>
        <source>Turn the screen off after, on battery</source>
        <translation>Apagar la pantalla después de, con batería</translation>
    </message>
    <message>
        <source>Turn the screen off after, on line power</source>
        <translation>Apagar la pantalla después de, con alimentación de red</translation>
    </message>
    <message>
        <source>Sleep after</source>
        <translation>Poner en reposo después de</translation>
    </message>
    <message>
        <source>Sleep after, on battery</source>
        <translation>Poner en reposo después de, con batería</translation>
    </message>
    <message>
        <source>Sleep after, on line power</source>
        <translation>Poner en reposo después de, con alimentación de red</translation>
    </message>
    <message>
        <source>Sleep by</source>
        <translation>Modo de reposo</translation>
    </message>
    <message>
        <source>Sleep by, on battery</source>
        <translation>Modo de reposo, con batería</translation>
    </message>
    <message>
        <source>Sleep by, on line power</source>
        <translation>Modo de reposo, con alimentación de red</translation>
    </message>
    <message>
        <source>Never</source>
        <extracomment>An entry of the lists of idle times: that step never happens.</extracomment>
        <translation>Nunca</translation>
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
        <translation>Aquí no ocurre nada en caso de inactividad: %1</translation>
    </message>
    <message>
        <source>The screen is not dimmed: %1</source>
        <translation>La pantalla no se atenúa: %1</translation>
    </message>
    <message>
        <source>The screen is not turned off: %1</source>
        <translation>La pantalla no se apaga: %1</translation>
    </message>
</context>
<context>
    <name>IdlePolicy</name>
    <message>
        <source>%1 when idle was refused: %2.</source>
        <translation>%1 por inactividad fue rechazado: %2.</translation>
    </message>
    <message>
        <source>Kept awake from the tray menu</source>
        <translation>Mantenido activo desde el menú de la bandeja del sistema</translation>
    </message>
    <message>
        <source>an application</source>
        <translation>una aplicación</translation>
    </message>
    <message>
        <source>Kept awake by %1</source>
        <translation>Mantenido activo por %1</translation>
    </message>
    <message>
        <source>Kept awake by %1: %2</source>
        <translation>Mantenido activo por %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more keeping it awake</source>
        <translation>
            <numerusform>y %n más que lo mantiene activo</numerusform>
            <numerusform>y %n más que lo mantienen activo</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LidControlWidget</name>
    <message>
        <source>When the lid is closed</source>
        <translation>Al cerrar la tapa</translation>
    </message>
    <message>
        <source>On battery:</source>
        <translation>Con batería:</translation>
    </message>
    <message>
        <source>On line power:</source>
        <translation>Con alimentación de red:</translation>
    </message>
    <message>
        <source>With another screen connected:</source>
        <translation>Con otra pantalla conectada:</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Power key:</source>
        <translation>Botón de encendido:</translation>
    </message>
    <message>
        <source>Suspend key:</source>
        <translation>Tecla de suspensión:</translation>
    </message>
</context>
<context>
    <name>LidKeys</name>
    <message>
        <source>Let the system decide</source>
        <translation>Dejar que decida el sistema</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>No hacer nada</translation>
    </message>
    <message>
        <source>Turn the screen off</source>
        <translation>Apagar la pantalla</translation>
    </message>
    <message>
        <source>Lock the screen</source>
        <translation>Bloquear la pantalla</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>Preguntar</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Suspender</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernar</translation>
    </message>
    <message>
        <source>Shut down</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>The system keeps the power key: %1.</source>
        <translation>El sistema se queda con el botón de encendido: %1.</translation>
    </message>
    <message>
        <source>The system keeps the suspend key: %1.</source>
        <translation>El sistema se queda con la tecla de suspensión: %1.</translation>
    </message>
    <message>
        <source>Another program holds the power key, or no key sends it: the system keeps it.</source>
        <translation>Otro programa tiene el botón de encendido, o ninguna tecla lo envía: el sistema se queda con él.</translation>
    </message>
    <message>
        <source>Another program holds the suspend key, or no key sends it: the system keeps it.</source>
        <translation>Otro programa tiene la tecla de suspensión, o ninguna tecla la envía: el sistema se queda con ella.</translation>
    </message>
    <message>
        <source>logind keeps the power key: %1.</source>
        <translation>logind se queda con el botón de encendido: %1.</translation>
    </message>
    <message>
        <source>logind keeps the suspend key: %1.</source>
        <translation>logind se queda con la tecla de suspensión: %1.</translation>
    </message>
    <message>
        <source>logind keeps the lid: %1.</source>
        <translation>logind se queda con la tapa: %1.</translation>
    </message>
    <message>
        <source>%1 was refused: %2.</source>
        <translation>%1 fue rechazado: %2.</translation>
    </message>
</context>
<context>
    <name>LidKeysControl</name>
    <message>
        <source>Handles the lid as set in the power manager</source>
        <translation>Gestiona la tapa según lo configurado en el gestor de energía</translation>
    </message>
    <message>
        <source>Handles the power key as set in the power manager</source>
        <translation>Gestiona el botón de encendido según lo configurado en el gestor de energía</translation>
    </message>
    <message>
        <source>Handles the suspend key as set in the power manager</source>
        <translation>Gestiona la tecla de suspensión según lo configurado en el gestor de energía</translation>
    </message>
</context>
<context>
    <name>LightText</name>
    <message>
        <source>Off</source>
        <translation>Apagado</translation>
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
        <translation>logind no dio ningún bloqueo</translation>
    </message>
    <message>
        <source>logind is not running</source>
        <translation>logind no se está ejecutando</translation>
    </message>
</context>
<context>
    <name>LogindSession</name>
    <message>
        <source>No login manager (logind) is running.</source>
        <translation>No se está ejecutando ningún gestor de sesiones (logind).</translation>
    </message>
    <message>
        <source>The login manager (logind) did not answer.</source>
        <translation>El gestor de sesiones (logind) no respondió.</translation>
    </message>
    <message>
        <source>The login manager (logind) does not offer this for this session.</source>
        <translation>El gestor de sesiones (logind) no lo ofrece para esta sesión.</translation>
    </message>
</context>
<context>
    <name>PowerKeyDialog</name>
    <message>
        <source>Power key</source>
        <translation>Botón de encendido</translation>
    </message>
    <message>
        <source>What should the machine do?</source>
        <translation>¿Qué debe hacer el equipo?</translation>
    </message>
</context>
<context>
    <name>PowerProfileMenu</name>
    <message>
        <source>Power profile</source>
        <translation>Perfil de energía</translation>
    </message>
    <message>
        <source>Power Saver</source>
        <translation>Ahorro de energía</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Equilibrado</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Rendimiento</translation>
    </message>
    <message>
        <source>Performance (limited: %1)</source>
        <translation>Rendimiento (limitado: %1)</translation>
    </message>
    <message>
        <source>the machine is hot</source>
        <translation>el equipo está caliente</translation>
    </message>
    <message>
        <source>the lap is detected</source>
        <translation>está sobre el regazo</translation>
    </message>
</context>
<context>
    <name>PowerProfiles</name>
    <message>
        <source>The power profile daemon does not offer this profile.</source>
        <translation>El servicio de perfiles de energía no ofrece este perfil.</translation>
    </message>
</context>
<context>
    <name>ProfileControl</name>
    <message>
        <source>The battery is low</source>
        <translation>La batería está baja</translation>
    </message>
</context>
<context>
    <name>ProfileControlWidget</name>
    <message>
        <source>On line power:</source>
        <translation>Con alimentación de red:</translation>
    </message>
    <message>
        <source>On battery:</source>
        <translation>Con batería:</translation>
    </message>
    <message>
        <source>Hold Power Saver while a battery is at or below</source>
        <translation>Mantener Ahorro de energía mientras una batería esté como máximo al</translation>
    </message>
    <message>
        <source>Keep as it is</source>
        <translation>Dejar como está</translation>
    </message>
    <message>
        <source>%1 (not offered)</source>
        <extracomment>A profile chosen earlier that the daemon does not offer now; it is never set.</extracomment>
        <translation>%1 (no disponible)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Nothing</source>
        <translation>No hacer nada</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernar</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Suspender</translation>
    </message>
</context>
<context>
    <name>RefusalNotice</name>
    <message>
        <source>%1 at %2&#xa0;% was refused: %3. %4 is at %5&#xa0;%: save your work.</source>
        <translation>%1 al %2&#xa0;% fue rechazado: %3. %4 está al %5&#xa0;%: guarde su trabajo.</translation>
    </message>
    <message>
        <source>%1, as scheduled, was refused: %2.</source>
        <translation>%1 (programado) fue rechazado: %2.</translation>
    </message>
    <message>
        <source>%1 is keeping the machine on</source>
        <translation>%1 mantiene el equipo encendido</translation>
    </message>
    <message>
        <source>%1 is keeping the machine on (%2)</source>
        <translation>%1 mantiene el equipo encendido (%2)</translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> y %n más</numerusform>
            <numerusform> y %n más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScheduleControlWidget</name>
    <message>
        <source>at</source>
        <extracomment>Joined as &quot;&lt;action&gt; at:&quot; before a time, e.g. &quot;Suspend at:&quot; [22:30].</extracomment>
        <translation>a las</translation>
    </message>
</context>
<context>
    <name>WBattery</name>
    <message>
        <source>&lt;b&gt;Model:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Modelo:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Serial number:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Número de serie:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Vendor:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Fabricante:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Technology:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Tecnología:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Type:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Tipo:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sysfs path:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Ruta sysfs:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Device:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Dispositivo:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>Lithium ion</source>
        <translation>Ion de litio</translation>
    </message>
    <message>
        <source>Lithium polymer</source>
        <translation>Polímero de litio</translation>
    </message>
    <message>
        <source>Lithium iron phosphate</source>
        <translation>Fosfato de hierro y litio</translation>
    </message>
    <message>
        <source>Lead acid</source>
        <translation>Plomo-ácido</translation>
    </message>
    <message>
        <source>Nickel cadmium</source>
        <translation>Níquel-cadmio</translation>
    </message>
    <message>
        <source>Nickel metal hydride</source>
        <translation>Níquel-hidruro metálico</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>battery technology</comment>
        <translation>Desconocida</translation>
    </message>
    <message>
        <source>Line Power</source>
        <translation>Red eléctrica</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batería</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>SAI</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>device type</comment>
        <translation>Desconocido</translation>
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
        <translation>Batería</translation>
    </message>
    <message>
        <source>Scheduling</source>
        <translation>Programación</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>When idle</source>
        <translation>Inactividad</translation>
    </message>
    <message>
        <source>Power profile</source>
        <translation>Perfil de energía</translation>
    </message>
    <message>
        <source>Lid and keys</source>
        <translation>Tapa y teclas</translation>
    </message>
</context>
<context>
    <name>WMain</name>
    <message>
        <source>Power management</source>
        <translation>Gestión de energía</translation>
    </message>
    <message>
        <source>No batteries detected</source>
        <translation>No se detectó ninguna batería</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Power manager</source>
        <translation>Gestor de energía</translation>
    </message>
    <message>
        <source>Power is up</source>
        <translation>Alimentación de red restablecida</translation>
    </message>
    <message>
        <source>Power is down</source>
        <translation>Alimentación de red interrumpida</translation>
    </message>
    <message>
        <source>Keep awake</source>
        <translation>Mantener activo</translation>
    </message>
</context>
<context>
    <name>WaylandIdleWatch</name>
    <message>
        <source>The Wayland compositor cannot be reached</source>
        <translation>No se puede acceder al compositor de Wayland</translation>
    </message>
    <message>
        <source>This Wayland compositor does not report idle time</source>
        <translation>Este compositor de Wayland no informa del tiempo de inactividad</translation>
    </message>
    <message>
        <source>This Wayland compositor has no seat whose idle time it could report</source>
        <translation>Este compositor de Wayland no tiene ningún puesto del que pueda informar el tiempo de inactividad</translation>
    </message>
    <message>
        <source>The connection to the Wayland compositor broke</source>
        <translation>Se interrumpió la conexión con el compositor de Wayland</translation>
    </message>
</context>
<context>
    <name>WexHelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Acerca de &amp;Qt</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
</context>
<context>
    <name>WindowTray</name>
    <message>
        <source>Show window</source>
        <translation>Mostrar la ventana</translation>
    </message>
    <message>
        <source>The power profile could not be changed to %1: %2</source>
        <translation>No se pudo cambiar el perfil de energía a %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Keyboard light</source>
        <translation>Iluminación del teclado</translation>
    </message>
</context>
<context>
    <name>X11IdleWatch</name>
    <message>
        <source>This X server does not report idle time</source>
        <translation>Este servidor X no informa del tiempo de inactividad</translation>
    </message>
</context>
<context>
    <name>X11ScreenPower</name>
    <message>
        <source>This X server cannot turn the screen off (no DPMS)</source>
        <translation>Este servidor X no puede apagar la pantalla (sin DPMS)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Power management
Application for power management</source>
        <extracomment>The program&apos;s name, a line break and a one-line summary; the name also ends the title bar of every window, so it had better match the window title.</extracomment>
        <translation>Gestión de energía
Aplicación para la gestión de energía</translation>
    </message>
</context>
</TS>
