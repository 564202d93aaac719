<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>MainForm</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Advanced  Mode</source>
        <translation>Mode avancé</translation>
    </message>
    <message>
        <source>Advanced Mode</source>
        <translation>Mode avancé</translation>
    </message>
    <message>
        <source>Simple Mode</source>
        <translation>Mode simple</translation>
    </message>
    <message>
        <source>Frequency(hz)</source>
        <translation>Fréquence (Hz)</translation>
    </message>
    <message>
        <source>time(ms)</source>
        <translation>Durée (ms)</translation>
    </message>
    <message>
        <source>Preset frequency(hz)</source>
        <translation>Fréquence prédéfinie (Hz)</translation>
    </message>
    <message>
        <source>Frequency slider</source>
        <translation>Curseur de fréquence</translation>
    </message>
</context>
<context>
    <name>AboutForm</name>
    <message>
        <source>About Vornaby</source>
        <translation>À propos de Vornaby</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Vornaby icon</source>
        <translation>Icône de Vornaby</translation>
    </message>
    <message>
        <source>Vornaby, Version 1.0</source>
        <translation>Vornaby, version 1.0</translation>
    </message>
    <message>
        <source>© 2026 the Vornaby developers, MIT licence</source>
        <translation>© 2026 les développeurs de Vornaby, licence MIT</translation>
    </message>
    <message>
        <source>Pure tones for listening tests, made with Qt and ALSA.</source>
        <translation>Des sons purs pour tester l'audition, conçu avec Qt et ALSA.</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>&amp;About Vornaby...</source>
        <translation>À &amp;propos de Vornaby...</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter a number from %1 to %2.</source>
        <translation>Veuillez saisir un nombre entre %1 et %2.</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Réd&amp;uire</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Menu de la fenêtre</translation>
    </message>
</context>
</TS>
