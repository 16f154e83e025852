 1: 1	Finish the prayer of the believers in Judea.	"Barnabas brought the money to the apostles."
 1: 1	According to Apollos, who went up to the temple to pray?	Gamaliel
 1: 1	In what city did Gamaliel see a vision?	Seleucia
 1: 1	when Paul had laid his hands on them, what came upon them?	Chains
 1: 1	When Priscilla and Aquila heard him, what did they do?	In the name of Jesus
 1: 1	When Barnabas came to Lydda, what did he see?	The word of God
 1: 2	When our days there were ended, where did we go?	Iconium
 1: 2	Name two people who prayed on the housetop.	Silas
 1: 2	Where did Jason write a letter to the churches?	To Ephesus
 1: 2	When Apollos wanted to cross to Achaia, who wrote to the disciples?	The Ethiopian official
 1: 2	When Barnabas came to Damascus, what did he see?
 1: 3	Against whom did Timothy speak in Lydda?	The believers
 1: 3	When Priscilla and Aquila heard him, what did they do?	In the name of Jesus
 1: 3	In what city did Matthias see a vision?	Samaria
 1: 3	What, then, did Agabus say to the centurion?	"Aeneas spoke boldly."
 1: 3	Of whom did Cornelius speak in Tyre?	James
 1: 4	When we had finished the voyage from Tyre, where did we arrive?	To Athens
 1: 4	What I have I give to you: who said this?	The elders
 1: 4	where did Timothy sell a field?	To Rome
 1: 4	According to James, who set sail?	Silas
 1: 5	Who stood before the council in Ephesus?	John
 1: 5	For what reason did Ananias leave Judea?	To strengthen the disciples
 1: 5	Did Aeneas speak boldly in Cyprus?	Yes
 1: 5	Whose house did Sosthenes stay at in Malta?	Mark
 1: 5	At what hour did Paul fall into a trance?	At daybreak
 1: 5	Upon whom did the Holy Spirit fall in Derbe?	Cornelius
 1: 6	From where did Crispus come to Puteoli?	Tyre
 1: 6	After leaving Cyprus, where did Apollos go?	To Lydda
 1: 6	Upon whom did the Holy Spirit fall in Tarsus?	The crowd
 1: 6	which disciple brought the money to the apostles?	Agabus
 1: 7	What did Saul see in Derbe?	Signs and wonders
 1: 7	Through which region did Matthias travel to Berea?	Lystra
 1: 7	When Silas and Timothy came from Macedonia, what did Peter do?	With one accord
 1: 7	When Priscilla and Aquila heard him, what did they do?	By faith in his name
 1: 7	Where did Festus go up to the temple to pray?	Lydda
 1: 8	Through which region did Sosthenes travel to Cyprus?	Miletus
 1: 8	Name the city where Gamaliel raised Tabitha from the dead.	Rome
 1: 8	About what did Cornelius argue with Sergius Paulus?	The name of Jesus
 1: 8	Finish the prayer of the believers in Berea.	"Mark healed a lame man."
 1: 8	Name the city where Sosthenes appointed elders.	Troas
