<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>amorix::Application</name>
    <message>
        <source>Application is already running</source>
        <translation>O programa já está aberto</translation>
    </message>
</context>
<context>
    <name>amorix::BrandBanner</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Coloque sua marca neste programa e fidelize quem visita o seu site: aqui aparecem o nome e o link dele. Veja a “Ajuda”. Clique aqui para saber mais sobre o co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Um negócio em casa: abra sua própria empresa na internet e ganhe dinheiro on-line. Tenha este programa inteiramente com a marca do seu site. Clique aqui para saber mais.</translation>
    </message>
</context>
<context>
    <name>amorix::InputArea</name>
    <message>
        <source>Let QX Amorix tell you more about your relationship. Just enter your partner&apos;s and your date of birth and know more about your love prospects!</source>
        <translation>Deixe o QX Amorix contar mais sobre o seu relacionamento. Informe a sua data de nascimento e a da pessoa amada e descubra o que o amor reserva para vocês!</translation>
    </message>
    <message>
        <source>Your Personal Details</source>
        <translation>Seus dados</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Personal Details</source>
        <translation>Dados da pessoa amada</translation>
    </message>
    <message>
        <source>&amp;Get My Amorix Reading</source>
        <translation>&amp;Ver minha leitura Amorix</translation>
    </message>
</context>
<context>
    <name>amorix::Interpretations</name>
    <message>
        <source>You tend to show off your partners to your friends. You are persistent and forceful when you set out to win a partner, and you rarely give up. You are fun and exciting company, and you give your partner no rest at all.</source>
        <translation>Você gosta de exibir suas conquistas para as amizades. Quando quer conquistar alguém, age com persistência e energia, e raramente desiste. Sua companhia é divertida e empolgante, e você não dá um minuto de sossego à pessoa amada.</translation>
    </message>
    <message>
        <source>You will find it difficult to remain in any relationship. It is hard for you to find the right person and even harder to settle down with one. Yet love and romance matter a great deal to you, and you spend many hours in fantasy about the partners that the future may bring to you.</source>
        <translation>Você tem dificuldade em permanecer num relacionamento. Encontrar a pessoa certa é difícil para você, e se comprometer com ela, mais ainda. Mesmo assim, o amor e o romance importam muito para você, e você passa horas sonhando com os amores que o futuro pode lhe trazer.</translation>
    </message>
    <message>
        <source>You will be the dominating half in your relationship. You believe in a solid commitment and you want a partner who listens to you and shares both your happiness and your grief. You find it hard to speak first about your feelings, so let your partner know what is in your heart.</source>
        <translation>No seu relacionamento, quem vai dar as cartas é você. Você acredita num compromisso sólido e procura alguém que escute você e divida tanto as alegrias quanto as tristezas. Tomar a iniciativa de falar dos seus sentimentos é difícil para você, então conte à pessoa amada o que vai no seu coração.</translation>
    </message>
    <message>
        <source>You will be very serious about your relationships. You are the kind of person who marries a high-school sweetheart. You should be more forthcoming in your search for love. You are dependable and loyal to your partner, and you expect the very same loyalty in return.</source>
        <translation>Você leva seus relacionamentos muito a sério. Você é daquelas pessoas que se casam com o amor da juventude. Na busca pelo amor, deveria se abrir mais às outras pessoas. Você é uma pessoa confiável e leal, e espera a mesma lealdade em troca.</translation>
    </message>
    <message>
        <source>You are very jovial and happy by nature. You love to please your partner and to keep them happy, and you are lucky in love. But you may break a heart without a second thought, because you take life as one long party and you don&apos;t always see the hurt you leave behind you.</source>
        <translation>Você tem um jeito alegre e bem-humorado. Adora agradar a pessoa amada e fazê-la feliz, e tem sorte no amor. Mas pode partir um coração sem pensar duas vezes, porque leva a vida como uma longa festa e nem sempre vê a dor que deixa para trás.</translation>
    </message>
    <message>
        <source>You cannot be mushy and romantic. You are polite and quiet, and looks matter a lot to you. You want attractive partners, because you see them as a reflection of yourself. Your reputation matters to you, and you choose your partner with care.</source>
        <translation>Melosidade e romantismo não combinam com você. Você tem boas maneiras e um temperamento calmo, e a aparência conta muito. Busca pessoas atraentes, porque vê nelas um reflexo seu. Sua reputação é importante, e você escolhe com cuidado a quem amar.</translation>
    </message>
    <message>
        <source>You will be loving and romantic. You pamper your partner with roses and gifts, and you are an understanding partner. But take care not to appear aloof or stuffy to your loved one.</source>
        <translation>Você é uma pessoa carinhosa e romântica. Mima a pessoa amada com rosas e presentes, e sabe compreendê-la. Mas cuide para não passar a ela uma impressão de frieza ou de rigidez.</translation>
    </message>
    <message>
        <source>You will be generous and loving. You love wholeheartedly and you take your relationship seriously. You treat your partners to the finest things that you can afford, and you enjoy seeing them happy with you.</source>
        <translation>Você é uma pessoa generosa e carinhosa. Ama de todo o coração e leva seu relacionamento a sério. Oferece à pessoa amada o melhor que pode pagar e gosta de vê-la feliz ao seu lado.</translation>
    </message>
    <message>
        <source>You will go all out to conquer your partner&apos;s heart. You have a big ego, but you are lovable all the same. You will have many relationships before you find your true love.</source>
        <translation>Você fará de tudo para conquistar o coração da pessoa amada. Tem um ego enorme, mas mesmo assim é uma pessoa adorável. Viverá muitos relacionamentos antes de encontrar o verdadeiro amor.</translation>
    </message>
    <message>
        <source>You may have many arguments but you will stick to each other through the worst phases of your life. Others may envy your loyalty and try to break you up. Stand up for each other, hold no grudges and learn to forgive, and your bond will only grow stronger over the years.</source>
        <translation>Vocês talvez discutam muito, mas vão se apoiar nas piores fases da vida. Há quem possa invejar a lealdade de vocês e tentar acabar com essa união. Defendam-se mutuamente, não guardem rancor e aprendam a perdoar, e o laço entre vocês só vai ficar mais forte com os anos.</translation>
    </message>
    <message>
        <source>People will think that you both are the perfect couple. But a lasting relationship needs a strong foundation, and yours will need compromise and adjustment from both of you. Talk your problems out before they grow too big to handle. With much love and understanding on both sides, you can truly become the perfect couple that others see in you.</source>
        <translation>Todo mundo vai achar que vocês formam o casal perfeito. Mas um relacionamento duradouro precisa de uma base sólida, e o de vocês vai exigir concessões dos dois lados. Conversem sobre os problemas antes que fiquem grandes demais. Com muito amor e compreensão dos dois lados, vocês podem mesmo se tornar o casal perfeito que os outros veem.</translation>
    </message>
    <message>
        <source>You both tend to spend too much of money on shopping. Your life together is full of drama and activity. You love socializing, and life is a never-ending party for the two of you. But take care that you do not end up in debt, or the party may end sooner than you think.</source>
        <translation>Vocês costumam gastar dinheiro demais com compras. A vida a dois é cheia de agitação e atividades. Vocês adoram a vida social, e a vida é uma festa sem fim para o casal. Mas cuidado para não se endividarem, ou a festa pode acabar antes do que imaginam.</translation>
    </message>
    <message>
        <source>This combination will be based on love and security. You have a good mutual understanding. Your different natures may cause anger at times, but both of you will work hard to make this relationship last for a lifetime.</source>
        <translation>Esta união se baseia no amor e na segurança. Vocês se entendem bem. As personalidades diferentes às vezes vão causar raiva, mas vocês vão se esforçar para que este relacionamento dure a vida toda.</translation>
    </message>
    <message>
        <source>This relationship is based on absolute fun and frolic. You will discover new things, new interests and new hobbies together. This keeps your relationship fresh and exciting, and the excitement will last through the years.</source>
        <translation>Este relacionamento se baseia em diversão e alegria. Vocês vão descobrir a dois coisas novas, novos interesses e novos passatempos. Isso mantém o relacionamento fresco e empolgante, e a empolgação vai durar ao longo dos anos.</translation>
    </message>
    <message>
        <source>This relationship has all the excitement of a storybook romance. There are many changes ahead of you, but you are made for each other. Others see your relationship as an ideal match, and it is one that will last for many years.</source>
        <translation>Este relacionamento tem toda a emoção de um amor de conto de fadas. Muitas mudanças esperam por vocês, mas esse encontro estava escrito. Quem convive com vocês vê em vocês o casal ideal, e esse amor vai durar muitos anos.</translation>
    </message>
    <message>
        <source>Pleasure and affluence are ready to be showered in your lives. Do not make decisions for your partner; instead, try to match your thoughts and feelings. Ups and downs belong to life, so do not let them shake you. Your friends will be your support in hard times. Keep trying new things in your married life, and your love will stay young.</source>
        <translation>Prazer e fartura estão prestes a chover sobre a vida de vocês. Não tomem decisões pela outra pessoa; em vez disso, procurem afinar pensamentos e sentimentos. Altos e baixos fazem parte da vida: não deixem que eles abalem vocês. Nos momentos difíceis, as amizades vão dar apoio. Continuem experimentando coisas novas na vida a dois, e o amor de vocês vai continuar jovem.</translation>
    </message>
    <message>
        <source>You are quite attuned to each other and one of the best matches. Your relationship has stability and understanding. Together you will learn to appreciate the finer things in life, hand in hand.</source>
        <translation>Vocês estão em plena sintonia e formam um dos melhores casais. O relacionamento tem estabilidade e compreensão. De mãos dadas, vão aprender a apreciar o que a vida tem de melhor.</translation>
    </message>
    <message>
        <source>There are possible difficulties because of your different temperaments. But a little effort from both of you makes it work. Your relationship lasts if each of you respects the other’s solitude, and it doesn’t mean losing your times of togetherness. With care, the bond won’t break.</source>
        <translation>Os temperamentos diferentes podem trazer dificuldades. Mas, com um pouco de esforço dos dois lados, dá certo. O relacionamento vai durar se cada parte respeitar a necessidade de solidão da outra, sem perder os momentos a dois. Com cuidado, o laço não vai se romper.</translation>
    </message>
    <message>
        <source>This number shows the positive and negative traits of your personality, your hidden talents and your future romance.</source>
        <translation>Este número mostra os traços positivos e negativos da sua personalidade, seus talentos ocultos e seus amores futuros.</translation>
    </message>
</context>
<context>
    <name>amorix::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Get My Amorix Reading</source>
        <translation>&amp;Ver minha leitura Amorix</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;on-line</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nosso site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Procurar &amp;atualizações</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>&amp;Make Money Online</source>
        <translation>&amp;Ganhar dinheiro on-line</translation>
    </message>
</context>
<context>
    <name>amorix::PersonDetails</name>
    <message>
        <source>Your name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Your birth month</source>
        <translation>Seu mês de nascimento</translation>
    </message>
    <message>
        <source>Your birth day</source>
        <translation>Seu dia de nascimento</translation>
    </message>
    <message>
        <source>Your birth year</source>
        <translation>Seu ano de nascimento</translation>
    </message>
    <message>
        <source>Your partner&apos;s name</source>
        <translation>Nome da pessoa amada</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth month</source>
        <translation>Mês de nascimento da pessoa amada</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth day</source>
        <translation>Dia de nascimento da pessoa amada</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth year</source>
        <translation>Ano de nascimento da pessoa amada</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>Nascimento</translation>
    </message>
</context>
<context>
    <name>amorix::ReadingView</name>
    <message>
        <source>&amp;Back</source>
        <translation>V&amp;oltar</translation>
    </message>
    <message>
        <source>My Love Numerology Result</source>
        <translation>Meu resultado</translation>
    </message>
    <message>
        <source>My Partner&apos;s Love Numerology Result</source>
        <translation>Resultado da pessoa amada</translation>
    </message>
    <message>
        <source>Love Number</source>
        <translation>Número do amor</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Leitura</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Your date of birth</source>
        <translation>Sua data de nascimento</translation>
    </message>
    <message>
        <source>Your birth number</source>
        <translation>Seu número de nascimento</translation>
    </message>
    <message>
        <source>Your significance</source>
        <translation>Significado do seu número</translation>
    </message>
    <message>
        <source>Your interpretation</source>
        <translation>Sua interpretação</translation>
    </message>
    <message>
        <source>Partner&apos;s name</source>
        <translation>Nome da pessoa amada</translation>
    </message>
    <message>
        <source>Partner&apos;s date of birth</source>
        <translation>Data de nascimento da pessoa amada</translation>
    </message>
    <message>
        <source>Partner&apos;s birth number</source>
        <translation>Número de nascimento da pessoa amada</translation>
    </message>
    <message>
        <source>Partner&apos;s significance</source>
        <translation>Significado do número da pessoa amada</translation>
    </message>
    <message>
        <source>Partner&apos;s interpretation</source>
        <translation>Interpretação para a pessoa amada</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Nascimento</translation>
    </message>
    <message>
        <source>Birth Number</source>
        <translation>Número de nascimento</translation>
    </message>
    <message>
        <source>Significance</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretação</translation>
    </message>
    <message>
        <source>Love number</source>
        <translation>Número do amor</translation>
    </message>
    <message>
        <source>Love interpretation</source>
        <translation>Interpretação do número do amor</translation>
    </message>
</context>
<context>
    <name>amorix::ReferAFriendForm</name>
    <message>
        <source>Refer A Friend</source>
        <translation>Indique a alguém</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Indicar agora</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Um endereço de e-mail não pode conter espaços</translation>
    </message>
</context>
<context>
    <name>amorix::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Pode haver uma atualização disponível para este programa.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Deseja procurar atualizações?</translation>
    </message>
</context>
<context>
    <name>amorix::frmAbout</name>
    <message>
        <source>QX Amorix gives you a better view about the nature of your relationship with your  partner based on birth number calculations.</source>
        <translation>O QX Amorix ajuda você a entender melhor o seu relacionamento com base nos números de nascimento.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Visite %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Negócio em casa: abra sua empresa na internet e ganhe dinheiro on-line. Tenha este programa com a marca do seu site.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Saiba mais</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>amorix::frmExitScreen</name>
    <message>
        <source>Velmora Softwares, such as this can be created and maintained only with your support. The best way to support Velmora Board is to visit Velmora regularly and take part in the discussions and other activities on the board.</source>
        <translation>Programas como este só existem graças ao seu apoio. A melhor forma de apoiar a Velmora é visitar a Velmora com frequência e participar das discussões e das outras atividades do fórum.</translation>
    </message>
    <message>
        <source>Visit Velmora regularly. Support Velmora by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Velmora</source>
        <translation>Visite a Velmora com frequência. Apoie a Velmora participando das discussões e de outras atividades. Sem as suas visitas frequentes à Velmora, estes programas não podem ser mantidos</translation>
    </message>
    <message>
        <source>Velmora is a FREE online discussion forum for all things mystic. To help Velmora develop and maintain this software visit Velmora regularly.</source>
        <translation>A Velmora é um fórum on-line GRATUITO sobre tudo o que é místico. Para ajudar a Velmora a desenvolver e manter este programa, visite a Velmora com frequência.</translation>
    </message>
    <message>
        <source>Velmora needs your help. All you need to do is visit Velmora regularly and take part in the various discussions and activites to help us maintain and develop more Velmora Softwares.</source>
        <translation>A Velmora precisa da sua ajuda. Basta visitar a Velmora com frequência e participar das discussões e atividades para nos ajudar a manter e criar mais programas da Velmora.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Velmora Softwares. Velmora is one of the world’s largest sources of programs on astrology, psychic matters, tarot, numerology and the occult.</source>
        <translation>Se você gostou deste programa, com certeza vai se interessar pelos outros programas da Velmora. A Velmora é uma das maiores fontes do mundo de programas de astrologia, vidência, tarô, numerologia e ocultismo.</translation>
    </message>
    <message>
        <source>All the programs in the Velmora Softwares suite are simple and easy to use. They are fun and informative at the same time. Try them out and share the experience with your friends and family.</source>
        <translation>Todos os programas da Velmora são simples e fáceis de usar. São divertidos e instrutivos ao mesmo tempo. Experimente e compartilhe a experiência com as amizades e a família.</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmora Now</source>
        <translation>Visite a Velmora agora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Download Velmora Softwares</source>
        <translation>Baixe programas da Velmora</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmora Softwares</source>
        <translation>Ver os programas da Velmora</translation>
    </message>
</context>
<context>
    <name>amorix::frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Velmora Now</source>
        <translation>O fórum místico mais popular da internet. O melhor recurso para tudo o que é místico. Visite a Velmora agora</translation>
    </message>
</context>
<context>
    <name>amorix::modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Digite dois endereços de e-mail diferentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Digite um endereço de e-mail válido</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Digite seu nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Digite seu e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Digite sua mensagem</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome de quem recebe</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Digite o nome de quem vai receber a indicação</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail de quem recebe</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Digite o e-mail de quem vai receber a indicação</translation>
    </message>
    <message>
        <source>The request is too long to send. Please shorten the names or email addresses.</source>
        <translation>A solicitação é longa demais para ser enviada. Encurte os nomes ou os endereços de e-mail.</translation>
    </message>
</context>
<context>
    <name>amorix::reading</name>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Digite seu nome</translation>
    </message>
    <message>
        <source>Please Enter Your Partner&apos;s Name</source>
        <translation>Digite o nome da pessoa amada</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <extracomment>A day past the end of February. Two messages on purpose: this one without a space before &quot;!&quot;, the one for a 30-day month with one; translate both alike.</extracomment>
        <translation>Escolha um dia ou mês válido!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <extracomment>The 31st of a 30-day month. Two messages on purpose: this one with a space before &quot;!&quot;, the one for February without; translate both alike.</extracomment>
        <translation>Escolha um dia ou mês válido!</translation>
    </message>
    <message>
        <source>1</source>
        <comment>the first day of a month in a date: French 1er, Portuguese 1º</comment>
        <translation>1º</translation>
    </message>
</context>
</TS>
