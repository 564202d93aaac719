<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutForm</name>
    <message>
        <location filename="../about_form.ui" line="8"/>
        <source>About Vornaby</source>
        <translation>À propos de Vornaby</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="30"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="15"/>
        <source>Vornaby icon</source>
        <translation>Icône de Vornaby</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="19"/>
        <source>Vornaby, Version 1.0</source>
        <translation>Vornaby, version 1.0</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="24"/>
        <source>© 2026 the Vornaby developers, MIT licence</source>
        <translation>© 2026 les développeurs de Vornaby, licence MIT</translation>
    </message>
    <message>
        <location filename="../about_form.ui" line="35"/>
        <source>Pure tones for listening tests.</source>
        <translation>Des sons purs pour tester l&apos;audition.</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <location filename="../main_form.ui" line="18"/>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="30"/>
        <source>play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="88"/>
        <source>Advanced  Mode</source>
        <translation>Mode avancé</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="93"/>
        <source>Advanced Mode</source>
        <translation>Mode avancé</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="104"/>
        <source>Simple Mode</source>
        <translation>Mode simple</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="25"/>
        <location filename="../main_form.ui" line="41"/>
        <location filename="../main_form.ui" line="97"/>
        <source>Frequency(hz)</source>
        <translation>Fréquence (Hz)</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="37"/>
        <location filename="../main_form.ui" line="48"/>
        <source>time(ms)</source>
        <translation>Durée (ms)</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="69"/>
        <source>Preset frequency(hz)</source>
        <translation>Fréquence prédéfinie (Hz)</translation>
    </message>
    <message>
        <location filename="../main_form.ui" line="113"/>
        <source>Frequency slider</source>
        <translation>Curseur de fréquence</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <location filename="../../framework/Prompt.cpp" line="15"/>
        <source>Please enter a whole number.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <location filename="../../framework/Prompt.cpp" line="20"/>
        <source>Please enter a number from %1 to %2.</source>
        <translation>Veuillez saisir un nombre entre %1 et %2.</translation>
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
        <translation>À &amp;propos de Vornaby...</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <location filename="../../framework/qt/Backend.cpp" line="100"/>
        <source>Mi&amp;nimize</source>
        <translation>Réd&amp;uire</translation>
    </message>
    <message>
        <location filename="../../framework/qt/Backend.cpp" line="101"/>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location filename="../../framework/qt/DialogWindow.cpp" line="191"/>
        <source>Window menu</source>
        <translation>Menu de la fenêtre</translation>
    </message>
</context>
</TS>
