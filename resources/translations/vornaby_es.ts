<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>MainForm</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Advanced  Mode</source>
        <translation>Modo avanzado</translation>
    </message>
    <message>
        <source>Advanced Mode</source>
        <translation>Modo avanzado</translation>
    </message>
    <message>
        <source>Simple Mode</source>
        <translation>Modo simple</translation>
    </message>
    <message>
        <source>Frequency(hz)</source>
        <translation>Frecuencia (Hz)</translation>
    </message>
    <message>
        <source>time(ms)</source>
        <translation>Duración (ms)</translation>
    </message>
    <message>
        <source>Preset frequency(hz)</source>
        <translation>Frecuencia predefinida (Hz)</translation>
    </message>
    <message>
        <source>Frequency slider</source>
        <translation>Control deslizante de frecuencia</translation>
    </message>
</context>
<context>
    <name>AboutForm</name>
    <message>
        <source>About Vornaby</source>
        <translation>Acerca de Vornaby</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Vornaby icon</source>
        <translation>Icono de Vornaby</translation>
    </message>
    <message>
        <source>Vornaby, Version 1.0</source>
        <translation>Vornaby, versión 1.0</translation>
    </message>
    <message>
        <source>© 2026 the Vornaby developers, MIT licence</source>
        <translation>© 2026 los desarrolladores de Vornaby, licencia MIT</translation>
    </message>
    <message>
        <source>Pure tones for listening tests, made with Qt and ALSA.</source>
        <translation>Tonos puros para pruebas de audición, hecho con Qt y ALSA.</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>&amp;About Vornaby...</source>
        <translation>&amp;Acerca de Vornaby...</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>Please enter a number from %1 to %2.</source>
        <translation>Introduzca un número entre %1 y %2.</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Menú de la ventana</translation>
    </message>
</context>
</TS>
