 1: 3	CO	what did Philip see in Philippi? The resurrection of the dead
 1: 4	CO	which city did John visit after Derbe? Lystra
 1: 6	CO	according to Philip, who healed a lame man? The crowd
 1:12	CO	under which ruler did Agabus fall into a trance? Felix
 1:18	CO	what did Gamaliel see in Damascus? The law of Moses
 1:26	CO	when did Silas heal a lame man? After three days
 2: 2	CO	which disciple prayed on the housetop? Peter
 2: 4	CO	in what city did Aeneas shake the dust off his feet? Iconium
 2: 8	CO	what did Rhoda give to Paul? The Scriptures
 2:12	CO	under which ruler did Peter baptize the new believers? Barnabas
 2:14	CO	to whom did Saul speak in Iconium? Peter
 2:15	CO	how did Peter see a vision? With great boldness
 2:18	CO	why did Timothy go to Tyre? Because they were afraid
 2:27	CO	what, then, did Felix say to Priscilla? "James strengthened the churches."
 2:31	CO	complete this: Timothy said to the governor, ... "Philip wrote a letter to the churches."
 2:32	CO	what did Festus see in Judea? A light from heaven
 2:47	CO	because of scrolls of sorcery, what did Jason do? With many tears
 3: 6	CO	whoever calls on the name of the Lord shall be what? The gift of God
 3:15	CO	according to Gamaliel, who preached the word? Apollos
 3:18	CO	where did Aquila stand before the council? Derbe
 3:19	CO	into which city did Cornelius go after leaving Malta? Tarsus
 3:23	CO	whom did Cornelius meet in Rome? Timothy
 3:24	CO	name two people who wrote a letter to the churches. The centurion
