<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>MainForm</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Advanced  Mode</source>
        <translation>Modalità avanzata</translation>
    </message>
    <message>
        <source>Advanced Mode</source>
        <translation>Modalità avanzata</translation>
    </message>
    <message>
        <source>Simple Mode</source>
        <translation>Modalità semplice</translation>
    </message>
    <message>
        <source>Frequency(hz)</source>
        <translation>Frequenza (Hz)</translation>
    </message>
    <message>
        <source>time(ms)</source>
        <translation>Durata (ms)</translation>
    </message>
    <message>
        <source>Preset frequency(hz)</source>
        <translation>Frequenza predefinita (Hz)</translation>
    </message>
    <message>
        <source>Frequency slider</source>
        <translation>Cursore della frequenza</translation>
    </message>
</context>
<context>
    <name>AboutForm</name>
    <message>
        <source>About Vornaby</source>
        <translation>Informazioni su Vornaby</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Vornaby icon</source>
        <translation>Icona di Vornaby</translation>
    </message>
    <message>
        <source>Vornaby, Version 1.0</source>
        <translation>Vornaby, versione 1.0</translation>
    </message>
    <message>
        <source>© 2026 the Vornaby developers, MIT licence</source>
        <translation>© 2026 gli sviluppatori di Vornaby, licenza MIT</translation>
    </message>
    <message>
        <source>Pure tones for listening tests, made with Qt and ALSA.</source>
        <translation>Toni puri per test dell'udito, realizzato con Qt e ALSA.</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>&amp;About Vornaby...</source>
        <translation>&amp;Informazioni su Vornaby...</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Inserire un numero intero.</translation>
    </message>
    <message>
        <source>Please enter a number from %1 to %2.</source>
        <translation>Inserire un numero da %1 a %2.</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Rid&amp;uci a icona</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Menu della finestra</translation>
    </message>
</context>
</TS>
