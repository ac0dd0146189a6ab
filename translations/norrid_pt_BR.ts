<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AppDelegate</name>
    <message>
        <source>Norrid runs in the tray, but this desktop shows none. On GNOME, turn on the AppIndicator extension; elsewhere, add a system tray or status notifier area to your panel.</source>
        <translation>O Norrid roda na bandeja do sistema, mas esta área de trabalho não mostra nenhuma. No GNOME, ative a extensão AppIndicator; nas outras, adicione ao seu painel uma bandeja do sistema ou uma área de notificação de status.</translation>
    </message>
    <message>
        <source>Updates for Norrid come from your system&apos;s package manager.</source>
        <translation>As atualizações do Norrid vêm do gerenciador de pacotes do seu sistema.</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 é uma pasta</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>Não é possível ler %1</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 é somente leitura</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>Não é possível gravar em %1</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1.</source>
        <translation>Não foi possível salvar as configurações: %1.</translation>
    </message>
</context>
<context>
    <name>AppcastParser</name>
    <message>
        <source>The update feed could not be read: %1 (line %2).</source>
        <translation>Não foi possível ler o feed de atualizações: %1 (linha %2).</translation>
    </message>
    <message>
        <source>The update feed could not be read: it is empty.</source>
        <translation>Não foi possível ler o feed de atualizações: ele está vazio.</translation>
    </message>
    <message>
        <source>The update feed could not be read: it is not an RSS feed.</source>
        <translation>Não foi possível ler o feed de atualizações: ele não é um feed RSS.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>norrid: %1
Try &apos;norrid --help&apos;.</source>
        <translation>norrid: %1
Experimente &apos;norrid --help&apos;.</translation>
    </message>
    <message>
        <source>Norrid is not running.</source>
        <translation>O Norrid não está em execução.</translation>
    </message>
    <message>
        <source>Watches one column of a Jira board from the tray. Without a command, starts Norrid (or opens the popover of the Norrid that runs).</source>
        <translation>Acompanha uma coluna de um quadro do Jira a partir da bandeja do sistema. Sem um comando, inicia o Norrid (ou abre o painel do Norrid em execução).</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Mostra esta ajuda.</translation>
    </message>
    <message>
        <source>Shows the version and the build number.</source>
        <translation>Mostra a versão e o número da compilação.</translation>
    </message>
    <message>
        <source>Starts as at login: opens nothing if Norrid runs already.</source>
        <translation>Inicia como no login: não abre nada se o Norrid já estiver em execução.</translation>
    </message>
    <message>
        <source>status: one JSON object.</source>
        <translation>status: um objeto JSON.</translation>
    </message>
    <message>
        <source>status: what waybar&apos;s custom module reads.</source>
        <translation>status: o que o módulo personalizado do waybar lê.</translation>
    </message>
    <message>
        <source>status: a new line on every change, until Norrid quits.</source>
        <translation>status: uma nova linha a cada mudança, até o Norrid ser encerrado.</translation>
    </message>
    <message>
        <source>command</source>
        <translation>comando</translation>
    </message>
    <message>
        <source>status, refresh, popover (opens or closes it), settings, quit, or snooze 30m|1h|4h|tomorrow|off.</source>
        <translation>status, refresh, popover (abre ou fecha o painel), settings, quit ou snooze 30m|1h|4h|tomorrow|off.</translation>
    </message>
    <message>
        <source>[command]</source>
        <translation>[comando]</translation>
    </message>
    <message>
        <source>Norrid %1 (build %2)</source>
        <translation>Norrid %1 (compilação %2)</translation>
    </message>
    <message>
        <source>snooze takes 30m, 1h, 4h, tomorrow or off</source>
        <translation>snooze aceita 30m, 1h, 4h, tomorrow ou off</translation>
    </message>
    <message>
        <source>one command at a time</source>
        <translation>um comando por vez</translation>
    </message>
    <message>
        <source>--json, --waybar and --follow go with the status command</source>
        <translation>--json, --waybar e --follow são usados com o comando status</translation>
    </message>
    <message>
        <source>--json or --waybar, not both</source>
        <translation>--json ou --waybar, não os dois</translation>
    </message>
    <message>
        <source>unknown command “%1”</source>
        <translation>comando desconhecido “%1”</translation>
    </message>
</context>
<context>
    <name>ConnectionTest</name>
    <message numerus="yes">
        <source>%n in %1</source>
        <translation>
            <numerusform>%n em %1</numerusform>
            <numerusform>%n em %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>FeedUpdater</name>
    <message>
        <source>The update feed is larger than %1 KB, too large to be a feed; Norrid did not read it.</source>
        <translation>O feed de atualizações tem mais de %1 KB, grande demais para ser um feed; o Norrid não o leu.</translation>
    </message>
    <message>
        <source>The update feed answered with HTTP %1 %2.</source>
        <translation>O feed de atualizações respondeu com HTTP %1 %2.</translation>
    </message>
    <message numerus="yes">
        <source>The update feed did not answer within %n seconds.</source>
        <translation>
            <numerusform>O feed de atualizações não respondeu em %n segundo.</numerusform>
            <numerusform>O feed de atualizações não respondeu em %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Norrid could not reach the update feed: %1.</source>
        <translation>O Norrid não conseguiu acessar o feed de atualizações: %1.</translation>
    </message>
</context>
<context>
    <name>FreedesktopNotificationCenter</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>InstallerHandoff</name>
    <message>
        <source>Your desktop has no application that installs Debian packages. The checked update is kept as %1. Install it from a terminal with: sudo apt install %1</source>
        <translation>Seu ambiente de trabalho não tem um aplicativo que instale pacotes Debian. A atualização verificada foi mantida em %1. Instale-a em um terminal com: sudo apt install %1</translation>
    </message>
    <message>
        <source>Your desktop has no application that installs this kind of file (%1). The checked update is kept as %2. Open it with your software installer.</source>
        <translation>Seu ambiente de trabalho não tem um aplicativo que instale este tipo de arquivo (%1). A atualização verificada foi mantida em %2. Abra-a com seu instalador de programas.</translation>
    </message>
    <message>
        <source>Your software installer (%1) did not open the update. The checked update is kept as %2. Open it with your software installer.</source>
        <translation>Seu instalador de programas (%1) não abriu a atualização. A atualização verificada foi mantida em %2. Abra-a com seu instalador de programas.</translation>
    </message>
</context>
<context>
    <name>IssueListModel</name>
    <message>
        <source>1 card</source>
        <translation>1 item</translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n itens</numerusform>
        </translation>
    </message>
    <message>
        <source>No cards in this column.</source>
        <translation>Nenhum item nesta coluna.</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Carregando…</translation>
    </message>
    <message>
        <source>%1, %2, assigned to %3, updated %4</source>
        <comment>a card for screen readers: key, summary, assignee, age</comment>
        <translation>%1, %2, atribuído a %3, atualizado %4</translation>
    </message>
    <message>
        <source>%1, %2, assigned to %3</source>
        <comment>a card for screen readers: key, summary, assignee</comment>
        <translation>%1, %2, atribuído a %3</translation>
    </message>
    <message>
        <source>%1, %2, updated %3</source>
        <comment>a card for screen readers: key, summary, age</comment>
        <translation>%1, %2, atualizado %3</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a card for screen readers: key, summary</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>IssueRow</name>
    <message>
        <source>Opens the ticket in your browser</source>
        <translation>Abre o item no seu navegador</translation>
    </message>
</context>
<context>
    <name>JiraError</name>
    <message>
        <source>Jira rejected the email/token (%1). Check your API token.</source>
        <translation>O Jira recusou o e-mail/token (%1). Verifique seu token de API.</translation>
    </message>
    <message>
        <source>Jira rejected the email/token. Check your API token.</source>
        <translation>O Jira recusou o e-mail/token. Verifique seu token de API.</translation>
    </message>
    <message>
        <source>Jira rejected the user name/password (%1). Check them, or sign in with a personal access token: paste it as the token and leave the email empty.</source>
        <translation>O Jira recusou o nome de usuário/senha (%1). Verifique-os ou entre com um token de acesso pessoal: cole-o como token e deixe o e-mail em branco.</translation>
    </message>
    <message>
        <source>Jira rejected the user name/password. Check them, or sign in with a personal access token: paste it as the token and leave the email empty.</source>
        <translation>O Jira recusou o nome de usuário/senha. Verifique-os ou entre com um token de acesso pessoal: cole-o como token e deixe o e-mail em branco.</translation>
    </message>
    <message>
        <source>Jira rejected the personal access token (%1). Check that it is complete and has not expired or been revoked.</source>
        <translation>O Jira recusou o token de acesso pessoal (%1). Verifique se ele está completo e se não expirou nem foi revogado.</translation>
    </message>
    <message>
        <source>Jira rejected the personal access token. Check that it is complete and has not expired or been revoked.</source>
        <translation>O Jira recusou o token de acesso pessoal. Verifique se ele está completo e se não expirou nem foi revogado.</translation>
    </message>
    <message>
        <source>Jira returned HTTP 429. Too many requests: Jira is rate limiting this account and asks to wait 1 second.</source>
        <translation>O Jira retornou HTTP 429. Solicitações demais: o Jira está limitando a taxa desta conta e pede para esperar 1 segundo.</translation>
    </message>
    <message numerus="yes">
        <source>Jira returned HTTP 429. Too many requests: Jira is rate limiting this account and asks to wait %n seconds.</source>
        <translation>
            <numerusform>O Jira retornou HTTP 429. Solicitações demais: o Jira está limitando a taxa desta conta e pede para esperar %n segundo.</numerusform>
            <numerusform>O Jira retornou HTTP 429. Solicitações demais: o Jira está limitando a taxa desta conta e pede para esperar %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Jira returned HTTP 404 for %1. Check the board ID. Self-hosted Jira sites often live under a path such as /jira: enter the address you open Jira at, such as %2.</source>
        <translation>O Jira retornou HTTP 404 para %1. Verifique o ID do quadro. Sites do Jira auto-hospedados costumam ficar em um caminho como /jira: informe o endereço em que você abre o Jira, por exemplo %2.</translation>
    </message>
    <message>
        <source>Jira Cloud signs in with the email of your Atlassian account and an API token: enter your email. Personal access tokens work on Jira Data Center only.</source>
        <translation>O Jira Cloud faz login com o e-mail da sua conta Atlassian e um token de API: informe seu e-mail. Tokens de acesso pessoal funcionam somente no Jira Data Center.</translation>
    </message>
    <message>
        <source>Jira returned HTTP 429. Too many requests: Jira is rate limiting this account for now. Norrid tries again at the next poll.</source>
        <translation>O Jira retornou HTTP 429. Solicitações demais: o Jira está limitando a taxa desta conta por enquanto. O Norrid tentará de novo na próxima verificação.</translation>
    </message>
    <message>
        <source>Jira returned HTTP %1.</source>
        <translation>O Jira retornou HTTP %1.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read Jira&apos;s response: %1</source>
        <translation>Não foi possível ler a resposta do Jira: %1</translation>
    </message>
    <message>
        <source>Not connected yet — add your email and API token.</source>
        <translation>Ainda não conectado — adicione seu e-mail e seu token de API.</translation>
    </message>
    <message>
        <source>The Jira site URL looks invalid.</source>
        <translation>O URL do site do Jira parece inválido.</translation>
    </message>
    <message>
        <source>The Jira site URL looks invalid. %1</source>
        <translation>O URL do site do Jira parece inválido. %1</translation>
    </message>
    <message>
        <source>This Jira site accepts only personal access tokens: its administrator turned off sign-in with a user name and password. In Jira, open your profile, then Personal Access Tokens, create one, paste it as the token in the settings and leave the email empty.</source>
        <translation>Este site do Jira aceita apenas tokens de acesso pessoal: o administrador desativou o login com nome de usuário e senha. No Jira, abra seu perfil e depois &quot;Tokens de acesso pessoal&quot;, crie um, cole-o como token nas configurações e deixe o e-mail em branco.</translation>
    </message>
    <message>
        <source>Jira wants you to sign in once in your browser: after several failed logins it asks for a CAPTCHA, which Norrid cannot answer. Sign in to Jira, then choose Refresh Now.</source>
        <translation>O Jira quer que você entre uma vez pelo navegador: após várias tentativas de login sem sucesso, ele pede um CAPTCHA, que o Norrid não consegue responder. Entre no Jira e depois escolha &quot;Atualizar agora&quot;.</translation>
    </message>
</context>
<context>
    <name>JiraRequest</name>
    <message>
        <source>The request to Jira timed out.</source>
        <translation>A solicitação ao Jira expirou.</translation>
    </message>
    <message>
        <source>The request to Jira was cancelled.</source>
        <translation>A solicitação ao Jira foi cancelada.</translation>
    </message>
    <message>
        <source>The certificate of the Jira site is not trusted (%1). Norrid sends your credentials only to a site whose certificate your system trusts.</source>
        <translation>O certificado do site do Jira não é confiável (%1). O Norrid envia suas credenciais apenas para um site cujo certificado seu sistema considera confiável.</translation>
    </message>
    <message>
        <source>No HTTP response from Jira.</source>
        <translation>Nenhuma resposta HTTP do Jira.</translation>
    </message>
    <message>
        <source>Jira redirected the request to an address that is not secure (%1). Norrid sends your credentials over HTTPS only.</source>
        <translation>O Jira redirecionou a solicitação para um endereço que não é seguro (%1). O Norrid envia suas credenciais somente por HTTPS.</translation>
    </message>
    <message>
        <source>Jira redirected the request to another site (%1). If your Jira site has moved, enter its new address.</source>
        <translation>O Jira redirecionou a solicitação para outro site (%1). Se o seu site do Jira mudou de endereço, informe o novo.</translation>
    </message>
    <message>
        <source>Jira redirected the request too many times.</source>
        <translation>O Jira redirecionou a solicitação vezes demais.</translation>
    </message>
</context>
<context>
    <name>JiraSite</name>
    <message>
        <source>Norrid connects only to an https:// address, such as https://your-team.atlassian.net.</source>
        <translation>O Norrid se conecta apenas a um endereço https://, por exemplo https://your-team.atlassian.net.</translation>
    </message>
    <message>
        <source>It holds a user name or an “@” before the host; enter only the site&apos;s address, such as https://your-team.atlassian.net.</source>
        <translation>Ele contém um nome de usuário ou um “@” antes do host; informe apenas o endereço do site, por exemplo https://your-team.atlassian.net.</translation>
    </message>
    <message>
        <source>It names no host; enter the site&apos;s address, such as https://your-team.atlassian.net.</source>
        <translation>Ele não indica nenhum host; informe o endereço do site, por exemplo https://your-team.atlassian.net.</translation>
    </message>
</context>
<context>
    <name>KeyringText</name>
    <message>
        <source>Keyring locked</source>
        <translation>Chaveiro bloqueado</translation>
    </message>
    <message>
        <source>Your keyring is locked, so the Jira API token cannot be read. Once the keyring is unlocked, Norrid connects again without asking for the token.</source>
        <translation>Seu chaveiro está bloqueado, então o token de API do Jira não pode ser lido. Assim que o chaveiro for desbloqueado, o Norrid se conectará novamente sem pedir o token.</translation>
    </message>
    <message>
        <source>Your keyring is locked, so the Jira API token is not stored yet. Norrid keeps it in memory and stores it once the keyring is unlocked.</source>
        <translation>Seu chaveiro está bloqueado, então o token de API do Jira ainda não foi armazenado. O Norrid o mantém na memória e o armazenará assim que o chaveiro for desbloqueado.</translation>
    </message>
    <message>
        <source>Your keyring is locked, so the old Jira API token is still stored. Norrid deletes it once the keyring is unlocked.</source>
        <translation>Seu chaveiro está bloqueado, então o token de API do Jira antigo ainda está armazenado. O Norrid o excluirá assim que o chaveiro for desbloqueado.</translation>
    </message>
    <message>
        <source>keyring locked; connects once the keyring is unlocked</source>
        <translation>chaveiro bloqueado; conectará assim que o chaveiro for desbloqueado</translation>
    </message>
    <message>
        <source>keyring locked; stores the token once the keyring is unlocked</source>
        <translation>chaveiro bloqueado; armazenará o token assim que o chaveiro for desbloqueado</translation>
    </message>
    <message>
        <source>keyring locked; deletes the old token once the keyring is unlocked</source>
        <translation>chaveiro bloqueado; excluirá o token antigo assim que o chaveiro for desbloqueado</translation>
    </message>
    <message>
        <source>No keyring</source>
        <translation>Nenhum chaveiro</translation>
    </message>
    <message>
        <source>This desktop runs no keyring (a Secret Service such as GNOME Keyring or KWallet), so the Jira API token cannot be read. Once a keyring runs, Norrid connects again without asking for the token.</source>
        <translation>Este ambiente de trabalho não executa nenhum chaveiro (um Secret Service como o GNOME Keyring ou o KWallet), então o token de API do Jira não pode ser lido. Assim que um chaveiro estiver em execução, o Norrid se conectará novamente sem pedir o token.</translation>
    </message>
    <message>
        <source>This desktop runs no keyring (a Secret Service such as GNOME Keyring or KWallet), so the Jira API token is not stored yet. Norrid keeps it in memory and stores it once a keyring runs.</source>
        <translation>Este ambiente de trabalho não executa nenhum chaveiro (um Secret Service como o GNOME Keyring ou o KWallet), então o token de API do Jira ainda não foi armazenado. O Norrid o mantém na memória e o armazenará assim que um chaveiro estiver em execução.</translation>
    </message>
    <message>
        <source>This desktop runs no keyring (a Secret Service such as GNOME Keyring or KWallet), so the old Jira API token is still stored. Norrid deletes it once a keyring runs.</source>
        <translation>Este ambiente de trabalho não executa nenhum chaveiro (um Secret Service como o GNOME Keyring ou o KWallet), então o token de API do Jira antigo ainda está armazenado. O Norrid o excluirá assim que um chaveiro estiver em execução.</translation>
    </message>
    <message>
        <source>no keyring; connects once a keyring runs</source>
        <translation>nenhum chaveiro; conectará assim que um chaveiro estiver em execução</translation>
    </message>
    <message>
        <source>no keyring; stores the token once a keyring runs</source>
        <translation>nenhum chaveiro; armazenará o token assim que um chaveiro estiver em execução</translation>
    </message>
    <message>
        <source>no keyring; deletes the old token once a keyring runs</source>
        <translation>nenhum chaveiro; excluirá o token antigo assim que um chaveiro estiver em execução</translation>
    </message>
    <message>
        <source>Keyring not reachable</source>
        <translation>Chaveiro inacessível</translation>
    </message>
    <message>
        <source>Norrid cannot reach your system keyring, so the Jira API token cannot be read. Once the keyring answers, Norrid connects again without asking for the token.</source>
        <translation>O Norrid não consegue acessar o chaveiro do sistema, então o token de API do Jira não pode ser lido. Assim que o chaveiro responder, o Norrid se conectará novamente sem pedir o token.</translation>
    </message>
    <message>
        <source>Norrid cannot reach your system keyring, so the Jira API token is not stored yet. Norrid keeps it in memory and stores it once the keyring answers.</source>
        <translation>O Norrid não consegue acessar o chaveiro do sistema, então o token de API do Jira ainda não foi armazenado. O Norrid o mantém na memória e o armazenará assim que o chaveiro responder.</translation>
    </message>
    <message>
        <source>Norrid cannot reach your system keyring, so the old Jira API token is still stored. Norrid deletes it once the keyring answers.</source>
        <translation>O Norrid não consegue acessar o chaveiro do sistema, então o token de API do Jira antigo ainda está armazenado. O Norrid o excluirá assim que o chaveiro responder.</translation>
    </message>
    <message>
        <source>keyring not reachable; connects once the keyring answers</source>
        <translation>chaveiro inacessível; conectará assim que o chaveiro responder</translation>
    </message>
    <message>
        <source>keyring not reachable; stores the token once the keyring answers</source>
        <translation>chaveiro inacessível; armazenará o token assim que o chaveiro responder</translation>
    </message>
    <message>
        <source>keyring not reachable; deletes the old token once the keyring answers</source>
        <translation>chaveiro inacessível; excluirá o token antigo assim que o chaveiro responder</translation>
    </message>
</context>
<context>
    <name>MessageView</name>
    <message>
        <source>Open Settings</source>
        <translation>Abrir configurações</translation>
    </message>
</context>
<context>
    <name>NotificationManager</name>
    <message>
        <source>Ready for review</source>
        <translation>Pronto para revisão</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message numerus="yes">
        <source>%n cards ready for review</source>
        <translation>
            <numerusform>%n item pronto para revisão</numerusform>
            <numerusform>%n itens prontos para revisão</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Board</source>
        <translation>Abrir quadro</translation>
    </message>
    <message>
        <source>CLS-0000 · Test Ping</source>
        <translation>CLS-0000 · Notificação de teste</translation>
    </message>
    <message>
        <source>This is how a new review card will look and sound.</source>
        <translation>É assim que um novo item para revisão vai aparecer e soar.</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Atualização disponível</translation>
    </message>
    <message>
        <source>Norrid %1 is ready to install. Click to update.</source>
        <translation>O Norrid %1 está pronto para ser instalado. Clique para atualizar.</translation>
    </message>
    <message>
        <source>Norrid has no tray</source>
        <translation>O Norrid não tem bandeja do sistema</translation>
    </message>
    <message>
        <source>Ready for review in %1</source>
        <translation>Pronto para revisão em %1</translation>
    </message>
    <message numerus="yes">
        <source>%n cards ready for review in %1</source>
        <translation>
            <numerusform>%n item pronto para revisão em %1</numerusform>
            <numerusform>%n itens prontos para revisão em %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PauseNote</name>
    <message>
        <source>Checking is paused: Norrid tries again at %1, or as soon as you choose Refresh Now after signing in.</source>
        <translation>A verificação está pausada: o Norrid tentará de novo às %1, ou assim que você escolher &quot;Atualizar agora&quot; depois de entrar.</translation>
    </message>
    <message>
        <source>Checking is paused: Norrid tries again at %1, or as soon as the email or token changes.</source>
        <translation>A verificação está pausada: o Norrid tentará de novo às %1, ou assim que o e-mail ou o token mudar.</translation>
    </message>
    <message>
        <source>Checking is paused: Norrid tries again at %1, or as soon as the user name or password changes.</source>
        <translation>A verificação está pausada: o Norrid tentará de novo às %1, ou assim que o nome de usuário ou a senha mudar.</translation>
    </message>
    <message>
        <source>Checking is paused: Norrid tries again at %1, or as soon as the token changes. Personal access tokens expire; if yours has, create a new one.</source>
        <translation>A verificação está pausada: o Norrid tentará de novo às %1, ou assim que o token mudar. Tokens de acesso pessoal expiram; se o seu expirou, crie um novo.</translation>
    </message>
    <message>
        <source>Checking is paused: Norrid tries again at %1, or as soon as the email or token changes. API tokens expire; if yours has, create a new one.</source>
        <translation>A verificação está pausada: o Norrid tentará de novo às %1, ou assim que o e-mail ou o token mudar. Tokens de API expiram; se o seu expirou, crie um novo.</translation>
    </message>
</context>
<context>
    <name>PopoverContent</name>
    <message numerus="yes">
        <source>%n cards to review</source>
        <translation>
            <numerusform>%n item para revisar</numerusform>
            <numerusform>%n itens para revisar</numerusform>
        </translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Não conectado</translation>
    </message>
    <message>
        <source>Connection problem</source>
        <translation>Problema de conexão</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Atualizado %1</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Carregando…</translation>
    </message>
    <message>
        <source>Connect to Jira</source>
        <translation>Conectar ao Jira</translation>
    </message>
    <message>
        <source>Add your Jira email and API token to start watching the To review column.</source>
        <translation>Adicione seu e-mail do Jira e seu token de API para começar a acompanhar a coluna &quot;Para revisar&quot;.</translation>
    </message>
    <message>
        <source>Version %1 is available</source>
        <translation>A versão %1 está disponível</translation>
    </message>
    <message>
        <source>Download and install Norrid %1</source>
        <translation>Baixar e instalar o Norrid %1</translation>
    </message>
    <message>
        <source>Norrid %1 is available. Install the update.</source>
        <translation>O Norrid %1 está disponível. Instale a atualização.</translation>
    </message>
</context>
<context>
    <name>PopoverView</name>
    <message>
        <source>To review</source>
        <translation>Para revisar</translation>
    </message>
    <message>
        <source>Open the board in your browser</source>
        <translation>Abrir o quadro no seu navegador</translation>
    </message>
    <message>
        <source>Open board in browser</source>
        <translation>Abrir o quadro no navegador</translation>
    </message>
    <message>
        <source>Refresh now</source>
        <translation>Atualizar agora</translation>
    </message>
    <message>
        <source>Nothing to review</source>
        <translation>Nada para revisar</translation>
    </message>
    <message>
        <source>You&apos;re all caught up.
New cards in To review show up here and notify you.</source>
        <translation>Tudo em dia.
Novos itens em &quot;Para revisar&quot; aparecem aqui e você é notificado.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach Jira</source>
        <translation>Não foi possível acessar o Jira</translation>
    </message>
    <message>
        <source>Sign In to Jira…</source>
        <translation>Entrar no Jira…</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Abrir configurações</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Carregando…</translation>
    </message>
    <message>
        <source>Install…</source>
        <translation>Instalar…</translation>
    </message>
    <message>
        <source>Notifications are off for Norrid</source>
        <translation>As notificações do Norrid estão desativadas</translation>
    </message>
    <message>
        <source>Enable…</source>
        <translation>Ativar…</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s notification settings</source>
        <translation>Abrir as configurações de notificação da área de trabalho</translation>
    </message>
    <message>
        <source>Notifications are off for Norrid. Enable them in your desktop&apos;s settings to get pinged about new cards.</source>
        <translation>As notificações do Norrid estão desativadas. Ative-as nas configurações da sua área de trabalho para ser avisado sobre novos itens.</translation>
    </message>
    <message>
        <source>Sign In…</source>
        <translation>Entrar…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configurações…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Quit Norrid</source>
        <translation>Sair do Norrid</translation>
    </message>
</context>
<context>
    <name>QuickFilterChoice</name>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>This board has no quick filters.</source>
        <translation>Este quadro não tem filtros rápidos.</translation>
    </message>
</context>
<context>
    <name>QuickScene</name>
    <message>
        <source>Norrid cannot open its window because a part of the application is missing or damaged. Reinstall Norrid.

%1</source>
        <translation>O Norrid não consegue abrir a janela porque uma parte do aplicativo está faltando ou danificada. Reinstale o Norrid.

%1</translation>
    </message>
</context>
<context>
    <name>RelativeTime</name>
    <message numerus="yes">
        <source>%Ln min. ago</source>
        <translation>
            <numerusform>há %Ln min</numerusform>
            <numerusform>há %Ln min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln min.</source>
        <translation>
            <numerusform>em %Ln min</numerusform>
            <numerusform>em %Ln min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hr. ago</source>
        <translation>
            <numerusform>há %Ln h</numerusform>
            <numerusform>há %Ln h</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln hr.</source>
        <translation>
            <numerusform>em %Ln h</numerusform>
            <numerusform>em %Ln h</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days ago</source>
        <translation>
            <numerusform>há %Ln dia</numerusform>
            <numerusform>há %Ln dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day ago</source>
        <translation>
            <numerusform>há %Ln dia</numerusform>
            <numerusform>há %Ln dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln days</source>
        <translation>
            <numerusform>em %Ln dia</numerusform>
            <numerusform>em %Ln dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln day</source>
        <translation>
            <numerusform>em %Ln dia</numerusform>
            <numerusform>em %Ln dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln wk. ago</source>
        <translation>
            <numerusform>há %Ln sem.</numerusform>
            <numerusform>há %Ln sem.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln wk.</source>
        <translation>
            <numerusform>em %Ln sem.</numerusform>
            <numerusform>em %Ln sem.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln mo. ago</source>
        <translation>
            <numerusform>há %Ln mês</numerusform>
            <numerusform>há %Ln meses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln mo.</source>
        <translation>
            <numerusform>em %Ln mês</numerusform>
            <numerusform>em %Ln meses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln yr. ago</source>
        <translation>
            <numerusform>há %Ln ano</numerusform>
            <numerusform>há %Ln anos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %Ln yr.</source>
        <translation>
            <numerusform>em %Ln ano</numerusform>
            <numerusform>em %Ln anos</numerusform>
        </translation>
    </message>
    <message>
        <source>just now</source>
        <translation>agora mesmo</translation>
    </message>
</context>
<context>
    <name>ReviewMonitor</name>
    <message>
        <source>This column needs a board and a status. Add them in Settings.</source>
        <translation>Esta coluna precisa de um quadro e de um status. Adicione-os nas configurações.</translation>
    </message>
    <message>
        <source>%1 Norrid tries again at %2.</source>
        <translation>%1 O Norrid tentará de novo às %2.</translation>
    </message>
</context>
<context>
    <name>SettingsDraft</name>
    <message>
        <source>Norrid could not set itself to start at login.</source>
        <translation>O Norrid não conseguiu se configurar para iniciar ao entrar na sessão.</translation>
    </message>
    <message>
        <source>Norrid could not stop starting at login.</source>
        <translation>O Norrid não conseguiu deixar de iniciar ao entrar na sessão.</translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>Filled in from the board address you pasted.</source>
        <translation>Preenchido a partir do endereço do quadro que você colou.</translation>
    </message>
    <message>
        <source>New column</source>
        <translation>Nova coluna</translation>
    </message>
    <message>
        <source>Connected to %1 — %2</source>
        <translation>Conectado ao %1 — %2</translation>
    </message>
    <message>
        <source>Connected — %1</source>
        <translation>Conectado — %1</translation>
    </message>
    <message numerus="yes">
        <source>Connected to %1 — %n in %2</source>
        <translation>
            <numerusform>Conectado ao %1 — %n em %2</numerusform>
            <numerusform>Conectado ao %1 — %n em %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Connected — %n in %1</source>
        <translation>
            <numerusform>Conectado — %n em %1</numerusform>
            <numerusform>Conectado — %n em %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 segundos</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minutos</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutos</translation>
    </message>
    <message>
        <source>Create a personal access token…</source>
        <translation>Criar um token de acesso pessoal…</translation>
    </message>
    <message>
        <source>Create an API token…</source>
        <translation>Criar um token de API…</translation>
    </message>
    <message>
        <source>Norrid reads Jira at %1.</source>
        <translation>O Norrid lê o Jira em %1.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Escuro</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Jira connection</source>
        <translation>Conexão com o Jira</translation>
    </message>
    <message>
        <source>Site URL</source>
        <translation>URL do site</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>you@company.com</source>
        <translation>voce@empresa.com.br</translation>
    </message>
    <message>
        <source>On Jira Data Center, your user name — or leave it empty to sign in with a personal access token.</source>
        <translation>No Jira Data Center, seu nome de usuário — ou deixe em branco para entrar com um token de acesso pessoal.</translation>
    </message>
    <message>
        <source>API token</source>
        <translation>Token de API</translation>
    </message>
    <message>
        <source>Paste your API token or personal access token</source>
        <translation>Cole seu token de API ou token de acesso pessoal</translation>
    </message>
    <message>
        <source>An API token for Jira Cloud, or a personal access token for Jira Data Center.</source>
        <translation>Um token de API para o Jira Cloud ou um token de acesso pessoal para o Jira Data Center.</translation>
    </message>
    <message>
        <source>Stored in your system keyring — never in plain text.</source>
        <translation>Guardado no chaveiro do sistema — nunca em texto simples.</translation>
    </message>
    <message>
        <source>What to watch</source>
        <translation>O que acompanhar</translation>
    </message>
    <message>
        <source>Watched columns</source>
        <translation>Colunas acompanhadas</translation>
    </message>
    <message>
        <source>Board ID</source>
        <translation>ID do quadro</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>To review</source>
        <translation>Para revisar</translation>
    </message>
    <message>
        <source>Team quick filter</source>
        <translation>Filtro rápido</translation>
    </message>
    <message>
        <source>The quick-filter chips from the top of your board. Picking one applies the same filtering the web board does.</source>
        <translation>Os filtros rápidos do topo do seu quadro. Escolher um aplica a mesma filtragem do quadro na web.</translation>
    </message>
    <message>
        <source>Load team filters from board</source>
        <translation>Carregar os filtros de equipe do quadro</translation>
    </message>
    <message>
        <source>Team filter (JQL)</source>
        <translation>Filtro de equipe</translation>
    </message>
    <message>
        <source>optional, e.g. labels = team-f</source>
        <translation>opcional, ex.: labels = team-f</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>optional, shown instead of the status</source>
        <translation>opcional, exibido no lugar do status</translation>
    </message>
    <message>
        <source>Column name</source>
        <translation>Nome da coluna</translation>
    </message>
    <message>
        <source>Status is the exact Jira status behind your column. The team filter narrows a shared board to your team — pick a quick filter above to fill it automatically, or write your own JQL.</source>
        <translation>O status é o status exato do Jira por trás da sua coluna. O filtro de equipe restringe um quadro compartilhado à sua equipe — escolha um filtro rápido acima para preenchê-lo automaticamente ou escreva sua própria JQL.</translation>
    </message>
    <message>
        <source>Add Column</source>
        <translation>Adicionar coluna</translation>
    </message>
    <message>
        <source>Watch another status or board on the same connection (up to 8 columns).</source>
        <translation>Acompanhar outro status ou quadro na mesma conexão (até 8 colunas).</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notificações</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Notification sound</source>
        <translation>Som de notificação</translation>
    </message>
    <message>
        <source>Send test notification</source>
        <translation>Enviar notificação de teste</translation>
    </message>
    <message>
        <source>Posts a sample banner with the selected sound so you can preview it.</source>
        <translation>Mostra uma notificação de exemplo com o som escolhido para você ouvi-lo antes.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Check every</source>
        <translation>Verificar a cada</translation>
    </message>
    <message>
        <source>Check interval</source>
        <translation>Intervalo de verificação</translation>
    </message>
    <message>
        <source>Tray icon</source>
        <translation>Ícone</translation>
    </message>
    <message>
        <source>Light suits a dark panel, Dark a light one. Automatic follows the desktop&apos;s colour scheme.</source>
        <translation>Claro combina com um painel escuro, Escuro com um claro. Automático segue o esquema de cores da área de trabalho.</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Iniciar ao entrar na sessão</translation>
    </message>
    <message>
        <source>Start Norrid automatically when you log in.</source>
        <translation>Iniciar o Norrid automaticamente quando você entrar na sessão.</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Atualizações</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Procurar atualizações automaticamente</translation>
    </message>
    <message>
        <source>Looks for a new version once a day. You get a notification and a banner in the app when one is ready.</source>
        <translation>Procura uma nova versão uma vez por dia. Quando houver uma pronta, você recebe uma notificação e um aviso no aplicativo.</translation>
    </message>
    <message>
        <source>Check for Updates Now</source>
        <translation>Procurar atualizações agora</translation>
    </message>
    <message>
        <source>Contacts the update feed and offers any newer version right away.</source>
        <translation>Consulta o feed de atualizações e oferece na hora qualquer versão mais nova.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Copiar diagnóstico</translation>
    </message>
    <message>
        <source>Copies what a bug report needs: versions, the desktop, the tray, the keyring and the last poll. Never the token, the email or a card&apos;s text.</source>
        <translation>Copia o que um relatório de bug precisa: versões, área de trabalho, bandeja do sistema, chaveiro e a última verificação. Nunca o token, o e-mail ou o texto de um item.</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>Testar conexão</translation>
    </message>
    <message>
        <source>Sign In…</source>
        <translation>Entrar…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
</context>
<context>
    <name>SettingsWindowController</name>
    <message>
        <source>Norrid Settings</source>
        <translation>Configurações do Norrid</translation>
    </message>
</context>
<context>
    <name>StateReport</name>
    <message>
        <source>1 card</source>
        <translation>1 item</translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n itens</numerusform>
        </translation>
    </message>
    <message>
        <source>1 card in %1</source>
        <translation>1 item em %1</translation>
    </message>
    <message numerus="yes">
        <source>%n cards in %1</source>
        <translation>
            <numerusform>%n item em %1</numerusform>
            <numerusform>%n itens em %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Loading the cards in %1…</source>
        <translation>Carregando os itens de %1…</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 (notifications snoozed until %2)</source>
        <translation>%1 (notificações adiadas até %2)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusPresentation</name>
    <message>
        <source>Norrid — update available</source>
        <translation>Norrid — atualização disponível</translation>
    </message>
    <message>
        <source>Norrid — %1</source>
        <translation>Norrid — %1</translation>
    </message>
    <message>
        <source>Norrid — needs setup</source>
        <translation>Norrid — precisa ser configurado</translation>
    </message>
    <message>
        <source>Norrid — cards in %1</source>
        <translation>Norrid — itens em %1</translation>
    </message>
    <message numerus="yes">
        <source>%n cards to review</source>
        <translation>
            <numerusform>%n item para revisar</numerusform>
            <numerusform>%n itens para revisar</numerusform>
        </translation>
    </message>
    <message>
        <source>Notifications snoozed until %1</source>
        <translation>Notificações adiadas até %1</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Show Cards</source>
        <translation>Mostrar itens</translation>
    </message>
    <message>
        <source>Refresh Now</source>
        <translation>Atualizar agora</translation>
    </message>
    <message>
        <source>Open Board in Browser</source>
        <translation>Abrir quadro no navegador</translation>
    </message>
    <message>
        <source>Snooze Notifications</source>
        <translation>Adiar notificações</translation>
    </message>
    <message>
        <source>30 Minutes</source>
        <translation>30 minutos</translation>
    </message>
    <message>
        <source>1 Hour</source>
        <translation>1 hora</translation>
    </message>
    <message>
        <source>4 Hours</source>
        <translation>4 horas</translation>
    </message>
    <message>
        <source>Until Tomorrow</source>
        <translation>Até amanhã</translation>
    </message>
    <message>
        <source>Resume Notifications</source>
        <translation>Retomar notificações</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configurações…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Procurar atualizações…</translation>
    </message>
    <message>
        <source>Quit Norrid</source>
        <translation>Sair do Norrid</translation>
    </message>
</context>
<context>
    <name>UpdateDownloader</name>
    <message>
        <source>The download was redirected to %1, which is not a secure https link, so Norrid stopped it.</source>
        <translation>O download foi redirecionado para %1, que não é um link https seguro, então o Norrid o interrompeu.</translation>
    </message>
    <message>
        <source>The update&apos;s address (%1) is not a secure https link, so Norrid did not download it.</source>
        <translation>O endereço da atualização (%1) não é um link https seguro, então o Norrid não a baixou.</translation>
    </message>
    <message>
        <source>Norrid could not save the update in %1: %2.</source>
        <translation>O Norrid não conseguiu salvar a atualização em %1: %2.</translation>
    </message>
    <message>
        <source>The download&apos;s size differs from what the update feed announced (%1 bytes instead of %2), so Norrid stopped it.</source>
        <translation>O tamanho do download é diferente do anunciado pelo feed de atualizações (%1 bytes em vez de %2), então o Norrid o interrompeu.</translation>
    </message>
    <message>
        <source>The download is larger than the %1 MB the update feed announced, so Norrid stopped it.</source>
        <translation>O download é maior que os %1 MB anunciados pelo feed de atualizações, então o Norrid o interrompeu.</translation>
    </message>
    <message>
        <source>The download is larger than %1 MB, so Norrid stopped it.</source>
        <translation>O download tem mais de %1 MB, então o Norrid o interrompeu.</translation>
    </message>
    <message>
        <source>Norrid could not save the update: %1.</source>
        <translation>O Norrid não conseguiu salvar a atualização: %1.</translation>
    </message>
    <message>
        <source>The download server answered with HTTP %1 %2.</source>
        <translation>O servidor de download respondeu com HTTP %1 %2.</translation>
    </message>
    <message numerus="yes">
        <source>The download server stopped answering for %n seconds.</source>
        <translation>
            <numerusform>O servidor de download parou de responder por %n segundo.</numerusform>
            <numerusform>O servidor de download parou de responder por %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The download broke off: %1.</source>
        <translation>O download foi interrompido: %1.</translation>
    </message>
    <message>
        <source>The download is incomplete: %1 of the %2 bytes the update feed announced arrived.</source>
        <translation>O download está incompleto: chegaram %1 dos %2 bytes anunciados pelo feed de atualizações.</translation>
    </message>
</context>
<context>
    <name>UpdateInstaller</name>
    <message>
        <source>The update feed gives no signature for this download, so Norrid cannot tell whether it really comes from Norrid&apos;s publisher, and did not download it.</source>
        <translation>O feed de atualizações não informa nenhuma assinatura para este download, então o Norrid não consegue saber se ele vem mesmo do editor do Norrid e não o baixou.</translation>
    </message>
    <message>
        <source>Norrid could not create its download folder %1.</source>
        <translation>O Norrid não conseguiu criar sua pasta de downloads %1.</translation>
    </message>
    <message>
        <source>The download does not carry the signature of Norrid&apos;s publisher: it was damaged or altered on the way, or signed by someone else. Norrid deleted it and installed nothing.</source>
        <translation>O download não tem a assinatura do editor do Norrid: ele foi danificado ou alterado no caminho, ou assinado por outra pessoa. O Norrid o excluiu e não instalou nada.</translation>
    </message>
    <message>
        <source>The update feed&apos;s signature for this download is damaged, so Norrid cannot check it. Norrid deleted the download and installed nothing.</source>
        <translation>A assinatura do feed de atualizações para este download está danificada, então o Norrid não consegue verificá-lo. O Norrid excluiu o download e não instalou nada.</translation>
    </message>
    <message>
        <source>This copy of Norrid has a damaged key for checking updates, so it cannot install them. Install the new version from Norrid&apos;s website instead.</source>
        <translation>Esta cópia do Norrid tem uma chave danificada para verificar atualizações, então não consegue instalá-las. Instale a nova versão pelo site do Norrid.</translation>
    </message>
    <message>
        <source>Norrid could not read the download back to check it.</source>
        <translation>O Norrid não conseguiu ler o download de volta para verificá-lo.</translation>
    </message>
    <message>
        <source>Norrid could not save the update as %1.</source>
        <translation>O Norrid não conseguiu salvar a atualização como %1.</translation>
    </message>
    <message>
        <source>The download is not a Debian package Norrid can read. Norrid deleted it and installed nothing.</source>
        <translation>O download não é um pacote Debian que o Norrid consiga ler. O Norrid o excluiu e não instalou nada.</translation>
    </message>
    <message>
        <source>The package holds version %1, not the %2 that the update feed announced. Norrid deleted it and installed nothing.</source>
        <translation>O pacote contém a versão %1, não a %2 anunciada pelo feed de atualizações. O Norrid o excluiu e não instalou nada.</translation>
    </message>
    <message>
        <source>The package holds version %1, which is not newer than this Norrid (%2): installing it would take Norrid back. Norrid deleted it and installed nothing.</source>
        <translation>O pacote contém a versão %1, que não é mais recente que este Norrid (%2): instalá-la faria o Norrid voltar para trás. O Norrid o excluiu e não instalou nada.</translation>
    </message>
    <message>
        <source>Norrid %1 was not installed. %2</source>
        <translation>O Norrid %1 não foi instalado. %2</translation>
    </message>
</context>
<context>
    <name>UpdateSession</name>
    <message>
        <source>The update feed gives no download link for Norrid %1.</source>
        <translation>O feed de atualizações não informa nenhum link de download para o Norrid %1.</translation>
    </message>
    <message>
        <source>Norrid did not open the download of version %1: its address (%2) is not a secure https link.</source>
        <translation>O Norrid não abriu o download da versão %1: o endereço dele (%2) não é um link https seguro.</translation>
    </message>
    <message>
        <source>Norrid could not open %1 in your browser.</source>
        <translation>O Norrid não conseguiu abrir %1 no seu navegador.</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Release notes ↗</source>
        <translation>Notas da versão ↗</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Pular esta versão</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Lembrar mais tarde</translation>
    </message>
    <message>
        <source>Learn More…</source>
        <translation>Saiba mais…</translation>
    </message>
    <message>
        <source>Install Update</source>
        <translation>Instalar atualização</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>UpdateWindowController</name>
    <message>
        <source>Norrid %1 was downloaded and its signature checked, and your software installer has opened it: finish the installation there, then start Norrid again. The checked update is kept as %2.</source>
        <translation>O Norrid %1 foi baixado e teve a assinatura verificada, e seu instalador de programas o abriu: conclua a instalação por lá e depois inicie o Norrid novamente. A atualização verificada foi mantida em %2.</translation>
    </message>
    <message>
        <source>Norrid %1 was downloaded and its signature checked, and %2 has opened it: finish the installation there, then start Norrid again. The checked update is kept as %3.</source>
        <translation>O Norrid %1 foi baixado e teve a assinatura verificada, e %2 o abriu: conclua a instalação por lá e depois inicie o Norrid novamente. A atualização verificada foi mantida em %3.</translation>
    </message>
    <message>
        <source>%1 of %2 MB</source>
        <translation>%1 de %2 MB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Procurando atualizações…</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Você está atualizado!</translation>
    </message>
    <message>
        <source>A new version of Norrid is available!</source>
        <translation>Uma nova versão do Norrid está disponível!</translation>
    </message>
    <message>
        <source>Downloading update…</source>
        <translation>Baixando a atualização…</translation>
    </message>
    <message>
        <source>Ready to Install</source>
        <translation>Pronto para instalar</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Erro de atualização!</translation>
    </message>
    <message>
        <source>Norrid %1 is currently the newest version available.</source>
        <translation>O Norrid %1 é atualmente a versão mais recente disponível.</translation>
    </message>
    <message>
        <source>Norrid %1 is now available — you have %2. Would you like to learn more about this update on the web?</source>
        <translation>O Norrid %1 já está disponível — você tem a %2. Gostaria de saber mais sobre esta atualização na web?</translation>
    </message>
    <message>
        <source>Norrid %1 is now available — you have %2. Would you like to install it now?</source>
        <translation>O Norrid %1 já está disponível — você tem a %2. Gostaria de instalá-lo agora?</translation>
    </message>
    <message>
        <source>Norrid %1 is now available — you have %2. Would you like to download it now?</source>
        <translation>O Norrid %1 já está disponível — você tem a %2. Gostaria de baixá-lo agora?</translation>
    </message>
    <message>
        <source>Norrid %1 is being downloaded. Its signature is checked before it is installed.</source>
        <translation>O Norrid %1 está sendo baixado. A assinatura dele é verificada antes da instalação.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Atualização de software</translation>
    </message>
</context>
<context>
    <name>WatchSummary</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: 1 card</source>
        <translation>%1: 1 item</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n cards</source>
        <translation>
            <numerusform>%1: %n item</numerusform>
            <numerusform>%1: %n itens</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: loading…</source>
        <translation>%1: carregando…</translation>
    </message>
</context>
</TS>
