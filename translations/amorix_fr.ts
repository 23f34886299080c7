<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>amorix::Application</name>
    <message>
        <source>Application is already running</source>
        <translation>Le logiciel est déjà ouvert</translation>
    </message>
</context>
<context>
    <name>amorix::BrandBanner</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Mets ta marque sur ce logiciel et fais revenir plus de visiteurs sur ton site&#xa0;: indique ici son nom et son lien. Voir «&#x202f;Aide&#x202f;». Clique ici pour en savoir plus sur le co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Une activité à domicile&#xa0;: lance ta propre entreprise sur Internet et gagne de l’argent en ligne. Obtiens ce logiciel entièrement à la marque de ton site. Clique ici pour en savoir plus.</translation>
    </message>
</context>
<context>
    <name>amorix::InputArea</name>
    <message>
        <source>Let QX Amorix tell you more about your relationship. Just enter your partner&apos;s and your date of birth and know more about your love prospects!</source>
        <translation>Laisse QX Amorix t’en dire plus sur ta relation. Indique ta date de naissance et celle de ta moitié, et découvre ce que l’amour vous réserve&#x202f;!</translation>
    </message>
    <message>
        <source>Your Personal Details</source>
        <translation>Tes informations</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Personal Details</source>
        <translation>Les informations de ta moitié</translation>
    </message>
    <message>
        <source>&amp;Get My Amorix Reading</source>
        <translation>&amp;Voir ma lecture Amorix</translation>
    </message>
</context>
<context>
    <name>amorix::Interpretations</name>
    <message>
        <source>You tend to show off your partners to your friends. You are persistent and forceful when you set out to win a partner, and you rarely give up. You are fun and exciting company, and you give your partner no rest at all.</source>
        <translation>Tu aimes afficher tes conquêtes devant ton entourage. Quand tu veux séduire quelqu’un, tu fais preuve de ténacité et d’énergie, et tu abandonnes rarement. Ta compagnie est drôle et pleine de surprises, et tu ne laisses aucun répit à la personne que tu aimes.</translation>
    </message>
    <message>
        <source>You will find it difficult to remain in any relationship. It is hard for you to find the right person and even harder to settle down with one. Yet love and romance matter a great deal to you, and you spend many hours in fantasy about the partners that the future may bring to you.</source>
        <translation>Tu as du mal à rester dans une relation. Trouver la bonne personne t’est difficile, et t’engager avec elle plus encore. Pourtant, l’amour et la romance comptent beaucoup pour toi, et tu passes des heures à rêver aux amours que l’avenir pourrait t’apporter.</translation>
    </message>
    <message>
        <source>You will be the dominating half in your relationship. You believe in a solid commitment and you want a partner who listens to you and shares both your happiness and your grief. You find it hard to speak first about your feelings, so let your partner know what is in your heart.</source>
        <translation>Dans ta relation, c’est toi qui mèneras la danse. Tu crois à un engagement solide et tu cherches quelqu’un qui t’écoute et partage avec toi les joies comme les peines. Parler en premier de tes sentiments te coûte&#xa0;: alors confie à la personne que tu aimes ce que tu as sur le cœur.</translation>
    </message>
    <message>
        <source>You will be very serious about your relationships. You are the kind of person who marries a high-school sweetheart. You should be more forthcoming in your search for love. You are dependable and loyal to your partner, and you expect the very same loyalty in return.</source>
        <translation>Tu prends tes relations très au sérieux. Tu fais partie des personnes qui épousent leur amour de jeunesse. Dans ta quête de l’amour, tu devrais aller davantage vers les autres. Tu es une personne fiable et fidèle, et tu attends la même fidélité en retour.</translation>
    </message>
    <message>
        <source>You are very jovial and happy by nature. You love to please your partner and to keep them happy, and you are lucky in love. But you may break a heart without a second thought, because you take life as one long party and you don&apos;t always see the hurt you leave behind you.</source>
        <translation>Tu as un naturel joyeux et enjoué. Tu aimes faire plaisir à la personne que tu aimes et la rendre heureuse, et tu as de la chance en amour. Mais il t’arrive de briser un cœur sans y réfléchir à deux fois, car pour toi la vie est une longue fête et tu ne vois pas toujours la peine que tu laisses derrière toi.</translation>
    </message>
    <message>
        <source>You cannot be mushy and romantic. You are polite and quiet, and looks matter a lot to you. You want attractive partners, because you see them as a reflection of yourself. Your reputation matters to you, and you choose your partner with care.</source>
        <translation>La mièvrerie et les grands élans romantiques, ce n’est pas pour toi. Tu as de bonnes manières et un tempérament calme, et l’apparence compte beaucoup à tes yeux. Tu recherches des personnes séduisantes, car tu vois en elles un reflet de toi-même. Ta réputation t’importe, et tu choisis avec soin la personne que tu aimes.</translation>
    </message>
    <message>
        <source>You will be loving and romantic. You pamper your partner with roses and gifts, and you are an understanding partner. But take care not to appear aloof or stuffy to your loved one.</source>
        <translation>Tu as un cœur tendre et romantique. Tu couvres la personne que tu aimes de roses et de cadeaux, et tu sais la comprendre. Mais veille à ne pas laisser paraître de froideur ni de raideur face à elle.</translation>
    </message>
    <message>
        <source>You will be generous and loving. You love wholeheartedly and you take your relationship seriously. You treat your partners to the finest things that you can afford, and you enjoy seeing them happy with you.</source>
        <translation>Tu as un grand cœur, généreux et tendre. Tu aimes sans réserve et tu prends ta relation au sérieux. Tu offres à la personne que tu aimes ce que tu peux t’offrir de plus beau, et tu aimes la voir heureuse à tes côtés.</translation>
    </message>
    <message>
        <source>You will go all out to conquer your partner&apos;s heart. You have a big ego, but you are lovable all the same. You will have many relationships before you find your true love.</source>
        <translation>Tu feras tout pour conquérir le cœur de la personne que tu aimes. Tu as un ego imposant, mais on t’aime quand même. Tu vivras bien des histoires avant de trouver le grand amour.</translation>
    </message>
    <message>
        <source>You may have many arguments but you will stick to each other through the worst phases of your life. Others may envy your loyalty and try to break you up. Stand up for each other, hold no grudges and learn to forgive, and your bond will only grow stronger over the years.</source>
        <translation>Vous vous disputerez peut-être souvent, mais vous vous soutiendrez dans les pires moments de votre vie. D’autres pourraient envier votre fidélité et chercher à vous séparer. Soutenez-vous mutuellement, ne gardez pas de rancune et apprenez à pardonner&#xa0;: votre lien ne fera que se renforcer au fil des ans.</translation>
    </message>
    <message>
        <source>People will think that you both are the perfect couple. But a lasting relationship needs a strong foundation, and yours will need compromise and adjustment from both of you. Talk your problems out before they grow too big to handle. With much love and understanding on both sides, you can truly become the perfect couple that others see in you.</source>
        <translation>Tout le monde vous prendra pour le couple parfait. Mais une relation durable a besoin de bases solides, et la vôtre demandera des compromis de part et d’autre. Parlez de vos problèmes avant qu’ils ne deviennent trop grands. Avec beaucoup d’amour et de compréhension des deux côtés, vous pourrez vraiment devenir le couple parfait que les autres voient en vous.</translation>
    </message>
    <message>
        <source>You both tend to spend too much of money on shopping. Your life together is full of drama and activity. You love socializing, and life is a never-ending party for the two of you. But take care that you do not end up in debt, or the party may end sooner than you think.</source>
        <translation>Vous avez tendance à trop dépenser en shopping. Votre vie commune est pleine de rebondissements et d’activités. Vous adorez sortir, et la vie est pour vous une fête sans fin. Mais attention aux dettes, sinon la fête pourrait s’arrêter plus tôt que prévu.</translation>
    </message>
    <message>
        <source>This combination will be based on love and security. You have a good mutual understanding. Your different natures may cause anger at times, but both of you will work hard to make this relationship last for a lifetime.</source>
        <translation>Cette union repose sur l’amour et la sécurité. Vous vous comprenez bien. Vos caractères différents créeront parfois des tensions, mais vous ferez de grands efforts, de part et d’autre, pour que cette relation dure toute la vie.</translation>
    </message>
    <message>
        <source>This relationship is based on absolute fun and frolic. You will discover new things, new interests and new hobbies together. This keeps your relationship fresh and exciting, and the excitement will last through the years.</source>
        <translation>Cette relation repose sur le plaisir et l’insouciance. Vous découvrirez à deux de nouvelles choses, de nouveaux intérêts et de nouveaux loisirs. Cela entretient la flamme et la passion, et la passion durera au fil des ans.</translation>
    </message>
    <message>
        <source>This relationship has all the excitement of a storybook romance. There are many changes ahead of you, but you are made for each other. Others see your relationship as an ideal match, and it is one that will last for many years.</source>
        <translation>Cette relation a tout le charme d’un amour de conte de fées. Bien des changements vous attendent, mais votre histoire était écrite d’avance. Votre entourage voit en vous le couple idéal, et votre amour durera de longues années.</translation>
    </message>
    <message>
        <source>Pleasure and affluence are ready to be showered in your lives. Do not make decisions for your partner; instead, try to match your thoughts and feelings. Ups and downs belong to life, so do not let them shake you. Your friends will be your support in hard times. Keep trying new things in your married life, and your love will stay young.</source>
        <translation>Le plaisir et l’abondance s’apprêtent à combler votre vie. Ne prenez pas de décisions à la place de l’autre&#x202f;; cherchez plutôt à accorder vos pensées et vos sentiments. Les hauts et les bas font partie de la vie&#xa0;: ne les laissez pas vous ébranler. Dans les moments difficiles, votre entourage vous soutiendra. Continuez d’essayer de nouvelles choses dans votre vie de couple, et votre amour restera jeune.</translation>
    </message>
    <message>
        <source>You are quite attuned to each other and one of the best matches. Your relationship has stability and understanding. Together you will learn to appreciate the finer things in life, hand in hand.</source>
        <translation>Vous êtes sur la même longueur d’onde et formez l’un des meilleurs couples qui soient. Votre relation est faite de stabilité et de compréhension. Main dans la main, vous apprendrez à apprécier ce que la vie a de plus beau.</translation>
    </message>
    <message>
        <source>There are possible difficulties because of your different temperaments. But a little effort from both of you makes it work. Your relationship lasts if each of you respects the other’s solitude, and it doesn’t mean losing your times of togetherness. With care, the bond won’t break.</source>
        <translation>Vos tempéraments différents peuvent créer des difficultés. Mais avec un peu d’efforts de part et d’autre, cela fonctionne. Votre relation durera si chaque personne respecte le besoin de solitude de l’autre, sans pour autant perdre vos moments à deux. Avec de l’attention, le lien ne se rompra pas.</translation>
    </message>
    <message>
        <source>This number shows the positive and negative traits of your personality, your hidden talents and your future romance.</source>
        <translation>Ce nombre révèle les traits positifs et négatifs de ta personnalité, tes talents cachés et tes amours à venir.</translation>
    </message>
</context>
<context>
    <name>amorix::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Get My Amorix Reading</source>
        <translation>&amp;Voir ma lecture Amorix</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Aide en &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher des &amp;mises à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>&amp;Make Money Online</source>
        <translation>&amp;Gagner de l’argent en ligne</translation>
    </message>
</context>
<context>
    <name>amorix::PersonDetails</name>
    <message>
        <source>Your name</source>
        <translation>Ton prénom</translation>
    </message>
    <message>
        <source>Your birth month</source>
        <translation>Ton mois de naissance</translation>
    </message>
    <message>
        <source>Your birth day</source>
        <translation>Ton jour de naissance</translation>
    </message>
    <message>
        <source>Your birth year</source>
        <translation>Ton année de naissance</translation>
    </message>
    <message>
        <source>Your partner&apos;s name</source>
        <translation>Prénom de ta moitié</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth month</source>
        <translation>Mois de naissance de ta moitié</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth day</source>
        <translation>Jour de naissance de ta moitié</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth year</source>
        <translation>Année de naissance de ta moitié</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>Naissance</translation>
    </message>
</context>
<context>
    <name>amorix::ReadingView</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>My Love Numerology Result</source>
        <translation>Mon résultat</translation>
    </message>
    <message>
        <source>My Partner&apos;s Love Numerology Result</source>
        <translation>Le résultat de ma moitié</translation>
    </message>
    <message>
        <source>Love Number</source>
        <translation>Nombre de l’amour</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ton prénom</translation>
    </message>
    <message>
        <source>Your date of birth</source>
        <translation>Ta date de naissance</translation>
    </message>
    <message>
        <source>Your birth number</source>
        <translation>Ton nombre de naissance</translation>
    </message>
    <message>
        <source>Your significance</source>
        <translation>Signification de ton nombre</translation>
    </message>
    <message>
        <source>Your interpretation</source>
        <translation>Ton interprétation</translation>
    </message>
    <message>
        <source>Partner&apos;s name</source>
        <translation>Prénom de ta moitié</translation>
    </message>
    <message>
        <source>Partner&apos;s date of birth</source>
        <translation>Date de naissance de ta moitié</translation>
    </message>
    <message>
        <source>Partner&apos;s birth number</source>
        <translation>Nombre de naissance de ta moitié</translation>
    </message>
    <message>
        <source>Partner&apos;s significance</source>
        <translation>Signification du nombre de ta moitié</translation>
    </message>
    <message>
        <source>Partner&apos;s interpretation</source>
        <translation>Interprétation pour ta moitié</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>Birth Number</source>
        <translation>Nombre de naissance</translation>
    </message>
    <message>
        <source>Significance</source>
        <translation>Signification</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interprétation</translation>
    </message>
    <message>
        <source>Love number</source>
        <translation>Nombre de l’amour</translation>
    </message>
    <message>
        <source>Love interpretation</source>
        <translation>Interprétation du nombre de l’amour</translation>
    </message>
</context>
<context>
    <name>amorix::ReferAFriendForm</name>
    <message>
        <source>Refer A Friend</source>
        <translation>Le recommander</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recommander maintenant</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Une adresse e-mail ne peut pas contenir d’espace</translation>
    </message>
</context>
<context>
    <name>amorix::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Veux-tu rechercher des mises à jour&#x202f;?</translation>
    </message>
</context>
<context>
    <name>amorix::frmAbout</name>
    <message>
        <source>QX Amorix gives you a better view about the nature of your relationship with your  partner based on birth number calculations.</source>
        <translation>QX Amorix t’aide à mieux comprendre ta relation grâce aux nombres de naissance.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Visiter %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Une activité à domicile&#xa0;: lance ton entreprise sur Internet et gagne de l’argent en ligne. Obtiens ce logiciel à la marque de ton site.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>En savoir plus</translation>
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
        <translation>Des logiciels comme celui-ci n’existent que grâce à ton soutien. La meilleure façon de soutenir Velmora est de visiter Velmora régulièrement et de participer aux discussions et aux autres activités du forum.</translation>
    </message>
    <message>
        <source>Visit Velmora regularly. Support Velmora by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Velmora</source>
        <translation>Visite Velmora régulièrement. Soutiens Velmora en participant aux discussions et aux autres activités. Sans tes visites régulières sur Velmora, ces logiciels ne peuvent pas être entretenus</translation>
    </message>
    <message>
        <source>Velmora is a FREE online discussion forum for all things mystic. To help Velmora develop and maintain this software visit Velmora regularly.</source>
        <translation>Velmora est un forum en ligne GRATUIT consacré à tout ce qui est mystique. Pour aider Velmora à développer et à entretenir ce logiciel, visite Velmora régulièrement.</translation>
    </message>
    <message>
        <source>Velmora needs your help. All you need to do is visit Velmora regularly and take part in the various discussions and activites to help us maintain and develop more Velmora Softwares.</source>
        <translation>Velmora a besoin de ton aide. Il te suffit de visiter Velmora régulièrement et de participer aux discussions et aux activités pour nous aider à entretenir et à créer d’autres logiciels Velmora.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Velmora Softwares. Velmora is one of the world’s largest sources of programs on astrology, psychic matters, tarot, numerology and the occult.</source>
        <translation>Si ce logiciel t’a plu, les autres logiciels Velmora t’intéresseront sûrement. Velmora est l’une des plus grandes sources au monde de logiciels d’astrologie, de voyance, de tarot, de numérologie et d’ésotérisme.</translation>
    </message>
    <message>
        <source>All the programs in the Velmora Softwares suite are simple and easy to use. They are fun and informative at the same time. Try them out and share the experience with your friends and family.</source>
        <translation>Tous les logiciels Velmora sont simples et faciles à utiliser. Ils sont à la fois amusants et instructifs. Essaie-les et partage l’expérience avec ton entourage.</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmora Now</source>
        <translation>Visiter Velmora maintenant</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Download Velmora Softwares</source>
        <translation>Télécharger des logiciels Velmora</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmora Softwares</source>
        <translation>Voir les logiciels Velmora</translation>
    </message>
</context>
<context>
    <name>amorix::frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Velmora Now</source>
        <translation>Le forum mystique le plus populaire d’Internet. La meilleure ressource pour tout ce qui est mystique. Visite Velmora maintenant</translation>
    </message>
</context>
<context>
    <name>amorix::modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Saisis deux adresses e-mail différentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Saisis une adresse e-mail valide</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ton nom</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Saisis ton nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ton adresse e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Saisis ton adresse e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ton message</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Saisis ton message</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de ton contact</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Saisis le nom de ton contact</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de ton contact</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Saisis l’adresse e-mail de ton contact</translation>
    </message>
    <message>
        <source>The request is too long to send. Please shorten the names or email addresses.</source>
        <translation>La demande est trop longue pour être envoyée. Raccourcis les noms ou les adresses e-mail.</translation>
    </message>
</context>
<context>
    <name>amorix::reading</name>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Saisis ton prénom</translation>
    </message>
    <message>
        <source>Please Enter Your Partner&apos;s Name</source>
        <translation>Saisis le prénom de ta moitié</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <extracomment>A day past the end of February. Two messages on purpose: this one without a space before &quot;!&quot;, the one for a 30-day month with one; translate both alike.</extracomment>
        <translation>Choisis un jour ou un mois valide&#x202f;!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <extracomment>The 31st of a 30-day month. Two messages on purpose: this one with a space before &quot;!&quot;, the one for February without; translate both alike.</extracomment>
        <translation>Choisis un jour ou un mois valide&#x202f;!</translation>
    </message>
    <message>
        <source>1</source>
        <comment>the first day of a month in a date: French 1er, Portuguese 1º</comment>
        <translation>1er</translation>
    </message>
</context>
</TS>
