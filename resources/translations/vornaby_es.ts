<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutForm</name>
    <message>
        <location filename="../about_form.ui" line="8"/>
        <source>About Vornaby</source>
        <translation>Acerca de Vornaby</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="30"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="15"/>
        <source>Vornaby icon</source>
        <translation>Icono de Vornaby</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="19"/>
        <source>Vornaby, Version 1.0</source>
        <translation>Vornaby, versión 1.0</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="24"/>
        <source>© 2026 the Vornaby developers, MIT licence</source>
        <translation>© 2026 los desarrolladores de Vornaby, licencia MIT</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="35"/>
        <source>Pure tones for listening tests.</source>
        <translation>Tonos puros para pruebas de audición.</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <location filename="../main_form.ui" line="18"/>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="30"/>
        <source>play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="88"/>
        <source>Advanced  Mode</source>
        <translation>Modo avanzado</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="93"/>
        <source>Advanced Mode</source>
        <translation>Modo avanzado</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="104"/>
        <source>Simple Mode</source>
        <translation>Modo simple</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="25"/>
        <location filename="../main_form.ui" line="41"/>
        <location filename="../main_form.ui" line="97"/>
        <source>Frequency(hz)</source>
        <translation>Frecuencia (Hz)</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="37"/>
        <location filename="../main_form.ui" line="48"/>
        <source>time(ms)</source>
        <translation>Duración (ms)</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="69"/>
        <source>Preset frequency(hz)</source>
        <translation>Frecuencia predefinida (Hz)</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="113"/>
        <source>Frequency slider</source>
        <translation>Control deslizante de frecuencia</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <location filename="../../framework/Prompt.cpp" line="15"/>
        <source>Please enter a whole number.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <location filename="../../framework/Prompt.cpp" line="20"/>
        <source>Please enter a number from %1 to %2.</source>
        <translation>Introduzca un número entre %1 y %2.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <location filename="../qt/QtProgramResources.cpp" line="34"/>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <location filename="../ProgramResources.cpp" line="17"/>
        <source>&amp;About Vornaby...</source>
        <translation>&amp;Acerca de Vornaby...</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <location filename="../../framework/qt/Backend.cpp" line="100"/>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
    <message>
        <location filename="../../framework/qt/Backend.cpp" line="101"/>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location filename="../../framework/qt/DialogWindow.cpp" line="191"/>
        <source>Window menu</source>
        <translation>Menú de la ventana</translation>
    </message>
</context>
</TS>
