<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutForm</name>
    <message>
        <location filename="../about_form.ui" line="8"/>
        <source>About Vornaby</source>
        <translation>Informazioni su Vornaby</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="30"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="15"/>
        <source>Vornaby icon</source>
        <translation>Icona di Vornaby</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="19"/>
        <source>Vornaby, Version 1.0</source>
        <translation>Vornaby, versione 1.0</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="24"/>
        <source>© 2026 the Vornaby developers, MIT licence</source>
        <translation>© 2026 gli sviluppatori di Vornaby, licenza MIT</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="35"/>
        <source>Pure tones for listening tests.</source>
        <translation>Toni puri per test dell&apos;udito.</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <location filename="../main_form.ui" line="18"/>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="30"/>
        <source>play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="88"/>
        <source>Advanced  Mode</source>
        <translation>Modalità avanzata</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="93"/>
        <source>Advanced Mode</source>
        <translation>Modalità avanzata</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="104"/>
        <source>Simple Mode</source>
        <translation>Modalità semplice</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="25"/>
        <location filename="../main_form.ui" line="41"/>
        <location filename="../main_form.ui" line="97"/>
        <source>Frequency(hz)</source>
        <translation>Frequenza (Hz)</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="37"/>
        <location filename="../main_form.ui" line="48"/>
        <source>time(ms)</source>
        <translation>Durata (ms)</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="69"/>
        <source>Preset frequency(hz)</source>
        <translation>Frequenza predefinita (Hz)</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="113"/>
        <source>Frequency slider</source>
        <translation>Cursore della frequenza</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <location filename="../../framework/Prompt.cpp" line="15"/>
        <source>Please enter a whole number.</source>
        <translation>Inserire un numero intero.</translation>
    </message>
    <message>
        <location filename="../../framework/Prompt.cpp" line="20"/>
        <source>Please enter a number from %1 to %2.</source>
        <translation>Inserire un numero da %1 a %2.</translation>
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
        <translation>&amp;Informazioni su Vornaby...</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <location filename="../../framework/qt/Backend.cpp" line="100"/>
        <source>Mi&amp;nimize</source>
        <translation>Rid&amp;uci a icona</translation>
    </message>
    <message>
        <location filename="../../framework/qt/Backend.cpp" line="101"/>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <location filename="../../framework/qt/DialogWindow.cpp" line="191"/>
        <source>Window menu</source>
        <translation>Menu della finestra</translation>
    </message>
</context>
</TS>
