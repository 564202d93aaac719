<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>MainForm</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Advanced  Mode</source>
        <translation>Modo avançado</translation>
    </message>
    <message>
        <source>Advanced Mode</source>
        <translation>Modo avançado</translation>
    </message>
    <message>
        <source>Simple Mode</source>
        <translation>Modo simples</translation>
    </message>
    <message>
        <source>Frequency(hz)</source>
        <translation>Frequência (Hz)</translation>
    </message>
    <message>
        <source>time(ms)</source>
        <translation>Duração (ms)</translation>
    </message>
    <message>
        <source>Preset frequency(hz)</source>
        <translation>Frequência predefinida (Hz)</translation>
    </message>
    <message>
        <source>Frequency slider</source>
        <translation>Controle deslizante de frequência</translation>
    </message>
</context>
<context>
    <name>AboutForm</name>
    <message>
        <source>About Vornaby</source>
        <translation>Sobre o Vornaby</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Vornaby icon</source>
        <translation>Ícone do Vornaby</translation>
    </message>
    <message>
        <source>Vornaby, Version 1.0</source>
        <translation>Vornaby, versão 1.0</translation>
    </message>
    <message>
        <source>© 2026 the Vornaby developers, MIT licence</source>
        <translation>© 2026 os desenvolvedores do Vornaby, licença MIT</translation>
    </message>
    <message>
        <source>Pure tones for listening tests, made with Qt and ALSA.</source>
        <translation>Tons puros para testes de audição, feito com Qt e ALSA.</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>&amp;About Vornaby...</source>
        <translation>&amp;Sobre o Vornaby...</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Digite um número inteiro.</translation>
    </message>
    <message>
        <source>Please enter a number from %1 to %2.</source>
        <translation>Digite um número de %1 a %2.</translation>
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
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Window menu</source>
        <translation>Menu da janela</translation>
    </message>
</context>
</TS>
